#include "wizards/client/SiteFieldsForm.h"

#include "ui/ExampleLabel.h"
#include "ui/MaskedEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

SiteFieldsForm::SiteFieldsForm(const QString& nameLabel, int emailLength, QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(8);
    grid_->setColumnStretch(1, 1);
    edits_ = {addText(nameLabel, 60),
              addText(QStringLiteral("Address 1:"), 60),
              addText(QStringLiteral("Address 2:"), 60),
              addText(QStringLiteral("City:"), 40),
              addMasked(QStringLiteral("Zip Code:"), QStringLiteral("#####")),
              addMasked(QStringLiteral("Phone Number:"), QStringLiteral("(###) ###-####")),
              addMasked(QStringLiteral("Location Code:"), QStringLiteral("###-####-#")),
              addText(QStringLiteral("Email Address:"), emailLength)};
}

void SiteFieldsForm::addRow(const QString& label, QWidget* field) {
    const int row = grid_->rowCount();
    auto* caption = new QLabel(label, this);
    caption->setBuddy(field);
    grid_->addWidget(caption, row, 0);
    grid_->addWidget(field, row, 1);
}

QLineEdit* SiteFieldsForm::addText(const QString& label, int length) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(length);
    addRow(label, edit);
    return edit;
}

QLineEdit* SiteFieldsForm::addMasked(const QString& label, const QString& pattern) {
    auto* edit = new MaskedEdit(pattern, this);
    // Wide enough for the pattern, not stretched across the form.
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(pattern + "MM") + 12);
    addRow(label, edit);
    return edit;
}

void SiteFieldsForm::addExample(Field field, const QString& text) {
    QLineEdit* edit = edits_[field];
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid_->getItemPosition(grid_->indexOf(edit), &row, &column, &rowSpan, &columnSpan);
    auto* cell = new QWidget(this);
    auto* stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(1);
    grid_->removeWidget(edit);
    stack->addWidget(edit);
    stack->addWidget(makeExampleLabel(text, cell));
    grid_->addWidget(cell, row, column);
    // The caption stays level with its field, not with the middle of field and example.
    if (QLayoutItem* caption = grid_->itemAtPosition(row, column - 1)) {
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->widget()->setMinimumHeight(edit->sizeHint().height());
    }
    // Moving the field into its cell must not move it in the Tab order.
    if (field > 0)
        setTabOrder(edits_[field - 1], edit);
    if (field + 1 < FieldCount)
        setTabOrder(edit, edits_[field + 1]);
}

QString SiteFieldsForm::valueOf(Field field) const {
    if (const auto* masked = qobject_cast<const MaskedEdit*>(edits_[field]))
        return masked->value();
    return edits_[field]->text();
}

EntryChecks::SiteEntry SiteFieldsForm::entry() const {
    return {valueOf(Name),    valueOf(Address1), valueOf(Address2),     valueOf(City),
            valueOf(ZipCode), valueOf(Phone),    valueOf(LocationCode), valueOf(Email)};
}

void SiteFieldsForm::setEntry(const EntryChecks::SiteEntry& site) {
    const std::array<QString, FieldCount> texts = {site.name,         site.address1, site.address2,
                                                   site.city,         site.zipCode,  site.phone,
                                                   site.locationCode, site.email};
    for (int field = 0; field < FieldCount; ++field)
        edits_[field]->setText(texts[field]);
}
