#pragma once

#include "forms/filling/VendorId.h"

#include <QString>

class OptionsSettings;
class PreparerInfoSettings;

// What the fills print besides the return itself: the vendor identification, the preparer's
// signature line and the two date options. The fills read nothing else from the settings.
struct FillContext {
    int vendorId = kVendorId;
    QString preparerName;
    QString preparerPhone;
    bool printDateTaxPayer = true;    // today's date beside the taxpayer's signature
    bool printDateTaxPreparer = true; // today's date beside the preparer's signature

    // The context of the program's own settings, with the program's vendor identification.
    static FillContext fromSettings(const OptionsSettings& options,
                                    const PreparerInfoSettings& preparer);
};
