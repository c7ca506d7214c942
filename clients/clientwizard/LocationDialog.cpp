#include "clients/clientwizard/LocationDialog.h"

#include "clients/ClientRecord.h"
#include "clients/clientwizard/SiteFieldsForm.h"
#include "clients/clientwizard/SiteTexts.h"
#include "ui/MaskedEdit.h"
#include "ui/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

    QGridLayout* grid = fields_->grid();
    const int codeRow = grid->rowCount() - 2; // the location code's row, above the e-mail
    auto* example = new QLabel(QStringLiteral("Example: 076-5000-3"));
    example->setEnabled(false);
    grid->addWidget(example, codeRow, 2);

    number_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), number_));
    number_->setMaximumWidth(60);
    const int numberRow = grid->rowCount();
    grid->addWidget(new QLabel(QStringLiteral("Location #:")), numberRow, 0);
    grid->addWidget(number_, numberRow, 1);

    auto* group = new QGroupBox(QStringLiteral("Location Information."));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(fields_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
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
    return EntryChecks::locationNumberProblem(number_->text());
}

void LocationDialog::accept() {
    const QString message = problem();
    if (message.isEmpty()) {
        QDialog::accept();
        return;
    }
    MessageBoxes::current().inform(this, message, MessageIcon::Warning);
}
