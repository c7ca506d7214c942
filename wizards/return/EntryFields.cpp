#include "wizards/return/EntryFields.h"

#include "returns/entry/EntrySteps.h"
#include "ui/AmountEdit.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/CWizardPage.h"
#include "wizards/return/ReturnWizardState.h"

#include <QLocale>
#include <QRadioButton>

namespace {
using EntrySteps::Field;
using EntrySteps::FieldKind;
using EntrySteps::Step;

const QString kFoodMethod = QStringLiteral("foodMethod");
const QString kTaxExcludedChoice = QStringLiteral("foodMethod1");
const QString kTaxIncludedChoice = QStringLiteral("foodMethod2");

QJsonValue entryOf(const QJsonObject& entries, const Field& field) {
    return entries[QLatin1String(field.section)].toObject()[QLatin1String(field.key)];
}

void setEntry(QJsonObject& entries, const Field& field, const QJsonValue& value) {
    const QString section = QLatin1String(field.section);
    QJsonObject values = entries[section].toObject();
    values[QLatin1String(field.key)] = value;
    entries[section] = values;
}

// An amount as the preparer types it: the shortest digits that read back as the same value,
// with the locale's decimal separator; nothing for 0.
QString typedAmount(double value) {
    if (value == 0)
        return {};
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The method field of the step that has `field`, if it has one.
const Field* methodOf(const Step& step) {
    for (const Field& field : step.fields) {
        if (field.kind == FieldKind::Method)
            return &field;
    }
    return nullptr;
}

QRadioButton* methodChoice(const QWidget* step, int method) {
    return step->findChild<QRadioButton*>(QStringLiteral("method%1").arg(method + 1));
}

void showMethod(QWidget* stepWidget, const Step& step, const QJsonObject& entries) {
    if (const Field* method = methodOf(step)) {
        if (QRadioButton* choice = methodChoice(stepWidget, entryOf(entries, *method).toInt()))
            choice->setChecked(true);
    }
}

void readMethod(const QWidget* stepWidget, const Step& step, QJsonObject& entries) {
    const Field* method = methodOf(step);
    for (int choice = 0; method && choice < 3; ++choice) {
        const QRadioButton* button = methodChoice(stepWidget, choice);
        if (button && button->isChecked())
            setEntry(entries, *method, choice);
    }
}

void showField(QLineEdit* edit, const Field& field, const QJsonValue& value) {
    switch (field.kind) {
    case FieldKind::Dollars:
        edit->setText(typedAmount(value.toDouble()));
        break;
    case FieldKind::WholeNumber:
        edit->setText(value.toInteger() == 0 ? QString() : QString::number(value.toInteger()));
        break;
    case FieldKind::Text:
        edit->setText(value.toString());
        break;
    case FieldKind::Method:
        break;
    }
}

QJsonValue readField(const QLineEdit* edit, const Field& field) {
    const auto* amount = qobject_cast<const AmountEdit*>(edit);
    if (!amount)
        return edit->text();
    // The amount of the method not chosen is disabled and counts for nothing.
    const double value = amount->isEnabled() ? amount->value() : 0;
    if (field.kind == FieldKind::WholeNumber)
        return qint64(value);
    return value;
}
} // namespace

void EntryFields::show(QWidget* stepWidget, const QJsonObject& entries) {
    const bool taxIncluded = entries[QStringLiteral("st1")].toObject()[kFoodMethod].toInt() == 2;
    if (auto* choice = stepWidget->findChild<QRadioButton*>(taxIncluded ? kTaxIncludedChoice
                                                                        : kTaxExcludedChoice))
        choice->setChecked(true);
    for (QLineEdit* edit : stepWidget->findChildren<QLineEdit*>()) {
        const Step* step = nullptr;
        const Field* field = EntrySteps::findField(edit->objectName(), &step);
        if (!field)
            continue;
        showField(edit, *field, entryOf(entries, *field));
        showMethod(stepWidget, *step, entries);
    }
}

void EntryFields::startFrom(CWizardDialog& wizard, ReturnWizardState& state,
                            const QJsonObject& entries) {
    state.startEntries = entries;
    for (const Step& step : EntrySteps::all()) {
        if (CWizardPage* page = wizard.page(step.page); page && page->isCreated())
            show(page, entries);
    }
}

QJsonObject EntryFields::entered(const CWizardDialog& wizard) {
    QJsonObject entries;
    for (const Step& step : EntrySteps::all()) {
        const CWizardPage* page = wizard.page(step.page);
        if (!page || !page->isCreated() || !page->isStepEnabled())
            continue;
        for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
            if (const Field* field = EntrySteps::findField(edit->objectName()))
                setEntry(entries, *field, readField(edit, *field));
        }
        readMethod(page, step, entries);
        if (const auto* taxIncluded = page->findChild<QRadioButton*>(kTaxIncludedChoice)) {
            QJsonObject st1 = entries[QStringLiteral("st1")].toObject();
            st1[kFoodMethod] = taxIncluded->isChecked() ? 2 : 1;
            entries[QStringLiteral("st1")] = st1;
        }
    }
    return entries;
}
