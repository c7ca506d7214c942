#pragma once

#include <QPushButton>

// A push button with a picture to the left of its caption; the caption uses the list's small
// sans-serif font so a row of these buttons stays compact above a list.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QIcon& picture, const QString& caption, QWidget* parent = nullptr);
};
