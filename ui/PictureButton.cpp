#include "ui/PictureButton.h"

PictureButton::PictureButton(const QIcon& picture, const QString& caption, QWidget* parent)
    : QPushButton(picture, caption, parent) {
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(12);
    captionFont.setWeight(QFont::Normal);
    setFont(captionFont);
    setIconSize(QSize(24, 24));
    setAutoDefault(false);
    setMinimumHeight(34);
    setStyleSheet(QStringLiteral("QPushButton { padding: 3px 10px; }"));
}
