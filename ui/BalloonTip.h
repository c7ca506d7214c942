#pragma once

#include "ui/MessageBoxes.h"

#include <QWidget>

// A balloon-shaped tip window pointing at a field: a title with an icon above a short text.
// It fades in when asked, closes when clicked and, when given a time, closes by itself. It also
// closes when its field is hidden (the wizard step it stands on is left, or its window closes)
// and when a modal window opens (a question, a message), so it never covers what comes after.
// It deletes itself when closed.
class BalloonTip : public QWidget {
    Q_OBJECT
public:
    // Shows a tip at the lower middle of `anchor`; `closeAfterMs` 0 keeps it until clicked.
    static BalloonTip* showFor(QWidget* anchor, const QString& title, const QString& text,
                               MessageIcon icon, bool fadeIn, int closeAfterMs);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BalloonTip(const QString& title, const QString& text, MessageIcon icon, QWidget* anchor);
    void placeAt(const QPoint& globalTarget);
    bool opensModalWindow(QObject* watched) const;
    QPainterPath outline() const;
    QWidget* anchor_;
    bool stemOnTop_ = true;
    int stemX_ = 0;
};
