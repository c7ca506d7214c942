#include "app/AboutDialog.h"

#include "platform/Version.h"
#include "ui/AccessKeys.h"
#include "ui/Icons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Vantrobe"));
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    auto* icon = new QLabel(this);
    icon->setPixmap(Icons::program().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon, 0, 0, 3, 1);

    auto* versionLine = new QHBoxLayout;
    versionLine->setSpacing(6);
    versionLine->addWidget(new QLabel(QStringLiteral("Vantrobe Version"), this));
    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setText(QLatin1String(kVersionText));
    versionLine->addWidget(version);
    versionLine->addStretch();
    layout->addLayout(versionLine, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Copyright \u00a9 Orlenfield"), this), 1, 1);

    auto* warning = new QLabel(
        QStringLiteral("Warning: this computer program is protected by copyright law. "
                       "Unauthorized copying or distribution of this program, or of any part "
                       "of it, may result in civil and criminal penalties."),
        this);
    warning->setWordWrap(true);
    warning->setMinimumWidth(320);
    layout->addWidget(warning, 2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    AccessKeys::giveStandardButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
