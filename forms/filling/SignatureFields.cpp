#include "forms/filling/SignatureFields.h"

#include "forms/filling/FieldWriter.h"
#include "forms/filling/FillContext.h"
#include "forms/filling/FormTexts.h"

void SignatureFields::writePhone(FieldWriter& writer, int key, const QString& phone) {
    if (!phone.isEmpty())
        writer.text(key, phone);
}

void SignatureFields::writeDate(FieldWriter& writer, int key, bool optionOn, const char* format) {
    if (optionOn)
        writer.text(key, FormTexts::todayText(format));
}

void SignatureFields::writeAll(FieldWriter& writer, const Keys& keys, const QString& taxpayerPhone,
                               const FillContext& context, const char* dateFormat) {
    writePhone(writer, keys.taxpayerPhone, taxpayerPhone);
    writeDate(writer, keys.taxpayerDate, context.printDateTaxPayer, dateFormat);
    writePhone(writer, keys.preparerPhone, context.preparerPhone);
    writeDate(writer, keys.preparerDate, context.printDateTaxPreparer, dateFormat);
}
