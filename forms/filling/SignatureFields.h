#pragma once

#include <QString>

class FieldWriter;
struct FillContext;

// The fields beside the signatures of ST-14, ST-4 and ST-8: a phone number as stored, written
// only when there is one, and today's date, written only when its option is on.
namespace SignatureFields {
void writePhone(FieldWriter& writer, int key, const QString& phone);
// `format` takes the month, the day and the year.
void writeDate(FieldWriter& writer, int key, bool optionOn, const char* format);

struct Keys {
    int taxpayerPhone;
    int taxpayerDate;
    int preparerPhone;
    int preparerDate;
};
// The four fields in that order: the taxpayer's phone and date, the preparer's phone and date.
void writeAll(FieldWriter& writer, const Keys& keys, const QString& taxpayerPhone,
              const FillContext& context, const char* dateFormat);
} // namespace SignatureFields
