#include "wizards/client/LocationDialog.h"

#include "clients/ClientRecord.h"
#include "clients/profile/SiteTexts.h"
#include "taxtables/TaxTablesDialog.h"
#include "ui/AccessKeys.h"
#include "ui/MaskedEdit.h"
#include "ui/MessageBoxes.h"
#include "wizards/client/SiteFieldsForm.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
constexpr int kEmailLength = 49;
}

LocationDialog::LocationDialog(const TaxTable& table, QWidget* parent)
    : QDialog(parent), table_(table),
      fields_(new SiteFieldsForm(QStringLiteral("Location Name:"), kEmailLength)),
      number_(new QLineEdit) {
    setWindowTitle(QStringLiteral("Specify Location Information"));

    fields_->addExample(SiteFieldsForm::LocationCode, QStringLiteral("Example: 076-5000-3"));
    QGridLayout* grid = fields_->grid();
    number_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), number_));
    number_->setMaximumWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                             16);
    const int numberRow = grid->rowCount();
    grid->addWidget(new QLabel(QStringLiteral("Location #:")), numberRow, 0);
    grid->addWidget(number_, numberRow, 1);

    auto* group = new QGroupBox(QStringLiteral("Location Information."));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(fields_);

    tables_ = makeViewTaxTablesButton(table);
    auto* tablesRow = new QHBoxLayout;
    tablesRow->addStretch();
    tablesRow->addWidget(tables_);
    groupLayout->addLayout(tablesRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    AccessKeys::giveStandardButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &LocationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LocationDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    resize(520, sizeHint().height());
}

void LocationDialog::setLocation(const ClientLocation& location, int number, const QString& email) {
    EntryChecks::SiteEntry site = SiteTexts::of(location);
    site.email = email;
    fields_->setEntry(site);
    taxRecord_ = location.taxRecord;
    number_->setText(QString::number(number));
}

void LocationDialog::storeInto(ClientLocation& location) const {
    SiteTexts::store(fields_->entry(), location);
    location.taxRecord = taxRecord_;
    location.locationNumber = static_cast<std::uint8_t>(number_->text().toInt());
}

QString LocationDialog::name() const {
    return fields_->entry().name;
}

QString LocationDialog::email() const {
    return fields_->entry().email;
}

QString LocationDialog::problem() {
    const EntryChecks::SiteCheck check = EntryChecks::checkSite(
        fields_->entry(), QStringLiteral("Location Name.\n"), table_, taxRecord_);
    if (!check.problem.isEmpty())
        return check.problem;
    if (const QString numberProblem = EntryChecks::locationNumberProblem(number_->text());
        !numberProblem.isEmpty())
        return numberProblem;
    return nameTaken_ && nameTaken_(name()) ? EntryChecks::kDuplicateName : QString();
}

void LocationDialog::accept() {
    const QString message = problem();
    if (message.isEmpty()) {
        QDialog::accept();
        return;
    }
    MessageBoxes::current().inform(this, message, MessageIcon::Warning);
}
