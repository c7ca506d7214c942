#include "settings/PreparerInfoSettings.h"

namespace {
const QString kSection = QStringLiteral("TaxPrepInfo");
} // namespace

PreparerInfoSettings::PreparerInfoSettings()
    : name(kSection, QStringLiteral("TaxPrepInfo.Name")),
      address1(kSection, QStringLiteral("TaxPrepInfo.Address1")),
      address2(kSection, QStringLiteral("TaxPrepInfo.Address2")),
      city(kSection, QStringLiteral("TaxPrepInfo.City")),
      zipCode(kSection, QStringLiteral("TaxPrepInfo.ZipCode")),
      phone(kSection, QStringLiteral("TaxPrepInfo.PhoneNum")) {}
