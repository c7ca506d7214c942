#pragma once

#include "settings/SettingValue.h"

// The "TaxPrepInfo" section: the preparer's own name, address and phone, printed on the forms
// and in letters. Owned by the document; each text is read and written in the store at use.
class PreparerInfoSettings {
public:
    PreparerInfoSettings();

    SettingValue<QString> name;
    SettingValue<QString> address1;
    SettingValue<QString> address2;
    SettingValue<QString> city;
    SettingValue<QString> zipCode;
    SettingValue<QString> phone;
};
