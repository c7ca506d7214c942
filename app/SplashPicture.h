#pragma once

#include <QWidget>

// The picture shown over the main window at start-up. It closes after 750 ms or at the first
// key press or mouse-button press anywhere in the program, whichever comes first; that key or
// click goes no further. It deletes itself when closed.
class SplashPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 750;

    explicit SplashPicture(QWidget* over);
    // Shows the picture centred over the window given at construction.
    void showCentred();

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* over_;
};
