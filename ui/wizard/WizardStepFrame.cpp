#include "ui/wizard/WizardStepFrame.h"

#include "ui/wizard/WizardPicture.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

QVBoxLayout* buildWizardStepFrame(QWidget* step, const QString& title) {
    step->setAutoFillBackground(true);
    QPalette white = step->palette();
    white.setColor(QPalette::Window, Qt::white);
    step->setPalette(white);

    auto* group = new QGroupBox(title, step);
    auto* box = new QVBoxLayout(group);
    box->setSpacing(8);

    auto* layout = new QHBoxLayout(step);
    layout->setContentsMargins(0, 0, 12, 6);
    layout->setSpacing(12);
    layout->addWidget(new WizardPicture(step));
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 10, 0, 0);
    column->addWidget(group);
    layout->addLayout(column, 1);
    return box;
}
