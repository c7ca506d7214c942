#include "forms/filling/FillContext.h"

#include "settings/OptionsSettings.h"
#include "settings/PreparerInfoSettings.h"

FillContext FillContext::fromSettings(const OptionsSettings& options,
                                      const PreparerInfoSettings& preparer) {
    FillContext context;
    context.preparerName = preparer.name;
    context.preparerPhone = preparer.phone;
    context.printDateTaxPayer = options.printDateTaxPayer != 0;
    context.printDateTaxPreparer = options.printDateTaxPreparer != 0;
    return context;
}
