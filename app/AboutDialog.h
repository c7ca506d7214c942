#pragma once

#include <QDialog>

// "About Vantrobe": the program icon, its version and a warning against unauthorized copying.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
