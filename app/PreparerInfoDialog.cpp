#include "app/PreparerInfoDialog.h"

#include "settings/PreparerInfoSettings.h"
#include "ui/AccessKeys.h"
#include "ui/ExampleLabel.h"
#include "ui/MaskedEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
template <typename Edit>
Edit* named(Edit* edit, const char* name) {
    edit->setObjectName(QLatin1String(name));
    return edit;
}
} // namespace

PreparerInfoDialog::PreparerInfoDialog(PreparerInfoSettings& info, QWidget* parent)
    : QDialog(parent), info_(info), name_(named(new QLineEdit(info.name, this), "name")),
      address1_(named(new QLineEdit(info.address1, this), "address1")),
      address2_(named(new QLineEdit(info.address2, this), "address2")),
      city_(named(new QLineEdit(info.city, this), "city")),
      zipCode_(named(new MaskedEdit(QStringLiteral("#####"), this), "zipCode")),
      phone_(named(new MaskedEdit(QStringLiteral("(###) ###-####"), this), "phone")) {
    setWindowTitle(QStringLiteral("Tax Preparer Info"));
    zipCode_->setValue(info.zipCode);
    phone_->setValue(info.phone);

    auto* grid = new QGridLayout;
    const QList<QPair<QString, QWidget*>> rows = {
        {QStringLiteral("Name:"), name_},          {QStringLiteral("Address 1:"), address1_},
        {QStringLiteral("Address 2:"), address2_}, {QStringLiteral("City:"), city_},
        {QStringLiteral("Zip Code:"), zipCode_},   {QStringLiteral("Phone Number:"), phone_}};
    for (int row = 0; row < rows.size(); ++row) {
        auto* label = new QLabel(rows[row].first, this);
        label->setBuddy(rows[row].second);
        grid->addWidget(label, row, 0);
        grid->addWidget(rows[row].second, row, 1, 1, row < 3 ? 2 : 1);
    }
    grid->addWidget(makeExampleLabel(QStringLiteral("e.g. Springfield"), this), 3, 2);
    grid->addWidget(makeExampleLabel(QStringLiteral("e.g. 62701"), this), 4, 2);
    grid->setColumnMinimumWidth(1, 220);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AccessKeys::giveStandardButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreparerInfoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PreparerInfoDialog::accept() {
    info_.name = name_->text();
    info_.address1 = address1_->text();
    info_.address2 = address2_->text();
    info_.city = city_->text();
    info_.zipCode = zipCode_->value();
    info_.phone = phone_->value();
    QDialog::accept();
}
