#pragma once

#include "forms/FieldText.h"
#include "returns/RoundDollars.h"

#include <QString>
#include <optional>

class FormPage;

// The write that stopped a fill: its key, the field text it tried to write and the field's
// width (0 when the page image lacks the placeholder). A text longer than the width did not fit.
struct FieldFailure {
    int key = 0;
    QString text;
    int room = 0;

    bool textTooLong() const { return room > 0 && text.size() > room; }
};

// Writes the fields of one fill in order and stops at the first write that fails: every
// later write is passed over, so the page keeps what was written before the failure and the
// failed key is known. Texts are taken as field characters (see FormTexts::fieldChars).
class FieldWriter {
public:
    explicit FieldWriter(FormPage& page) : page_(page) {}

    // The value followed by spaces up to the field's width; a longer value fails.
    void text(int key, const QString& value);
    void amount(int key, Dollars amount, FieldText::CentsGroup cents);
    // A rate fraction as ".0625".
    void rate(int key, double rate);
    void blank(int key) { text(key, QString()); }

    bool ok() const { return !failure_.has_value(); }
    const std::optional<FieldFailure>& failure() const { return failure_; }

private:
    int width(int key) const;
    void write(int key, const QString& fieldText);

    FormPage& page_;
    std::optional<FieldFailure> failure_;
};
