#pragma once

#include <QWidget>

// The band down the left side of every client wizard step: a deep blue gradient with the
// program's picture.
class WizardPicture : public QWidget {
    Q_OBJECT
public:
    explicit WizardPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {120, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
