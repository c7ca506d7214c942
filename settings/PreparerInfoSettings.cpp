#include "settings/PreparerInfoSettings.h"

PreparerInfoSettings::PreparerInfoSettings() {
    binder_.bindText(name, QStringLiteral("TaxPrepInfo.Name"));
    binder_.bindText(address1, QStringLiteral("TaxPrepInfo.Address1"));
    binder_.bindText(address2, QStringLiteral("TaxPrepInfo.Address2"));
    binder_.bindText(city, QStringLiteral("TaxPrepInfo.City"));
    binder_.bindText(zipCode, QStringLiteral("TaxPrepInfo.ZipCode"));
    binder_.bindText(phone, QStringLiteral("TaxPrepInfo.PhoneNum"));
}
