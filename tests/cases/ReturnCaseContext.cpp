#include "ReturnCaseContext.h"

FillContext ReturnCaseContext::fillContext(const QJsonObject& input) {
    const QJsonObject options = input[QLatin1String("options")].toObject();
    const QJsonObject preparer = input[QLatin1String("preparer")].toObject();
    FillContext context;
    context.vendorId = input[QLatin1String("vendorId")].toInt(kVendorId);
    context.printDateTaxPayer = options[QLatin1String("printDateTaxPayer")].toInt(1) != 0;
    context.printDateTaxPreparer = options[QLatin1String("printDateTaxPreparer")].toInt(1) != 0;
    context.preparerName = preparer[QLatin1String("name")].toString();
    context.preparerPhone = preparer[QLatin1String("phone")].toString();
    return context;
}
