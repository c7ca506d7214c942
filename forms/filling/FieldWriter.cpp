#include "forms/filling/FieldWriter.h"

#include "forms/FormPage.h"
#include "forms/filling/FormTexts.h"

int FieldWriter::width(int key) const {
    return int(page_.placeholder(key).size());
}

void FieldWriter::write(int key, const QString& fieldText) {
    if (failure_)
        return;
    if (page_.setField(key, fieldText) != kFormPageOk)
        failure_ = FieldFailure{key, fieldText, width(key)};
}

void FieldWriter::text(int key, const QString& value) {
    write(key, FieldText::fitText(FormTexts::fieldChars(value), width(key)));
}

void FieldWriter::amount(int key, Dollars amount, FieldText::CentsGroup cents) {
    write(key, FieldText::amountText(amount, cents, width(key)));
}

void FieldWriter::rate(int key, double rate) {
    text(key, FieldText::rateText(rate));
}
