#include "ui/CalendarDialog.h"

#include "ui/MonthCalendar.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

CalendarDialog::CalendarDialog(QWidget* parent)
    : QDialog(parent), calendar_(new MonthCalendar(3, 2, this)) {
    setWindowTitle(QStringLiteral("Calendar"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    QSize wanted = sizeHint();
    if (const QScreen* display = parent ? parent->screen() : screen())
        wanted = wanted.boundedTo(display->availableGeometry().size());
    resize(wanted);
}
