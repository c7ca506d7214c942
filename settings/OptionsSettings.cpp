#include "settings/OptionsSettings.h"

#include "platform/Clock.h"

namespace {
const QString kSection = QStringLiteral("Options");
} // namespace

QString OptionsSettings::defaultClientDataPath(const QString& programFolder) {
    return programFolder + QStringLiteral("Clients/");
}

OptionsSettings::OptionsSettings(const QString& programFolder)
    : clientDataPath(kSection, QStringLiteral("Options.ClientDataPath"),
                     defaultClientDataPath(programFolder)),
      destroyClientDataPermanently(kSection, QStringLiteral("Options.DestroyClientDataPermanently"),
                                   0),
      allowBlankForms(kSection, QStringLiteral("Options.AllowBlankForms"), 0),
      printGasoholWorksheet(kSection, QStringLiteral("Options.PrintGasoholWSheet"), 0),
      printDateTaxPayer(kSection, QStringLiteral("Options.PrintdateTaxPayersignatureline"), 1),
      printDateTaxPreparer(kSection, QStringLiteral("Options.PrintdateTaxPreparersignatureline"),
                           1),
      checkForUpdatesFrequency(kSection, QStringLiteral("Options.CheckForUpdatesFrequency"), 2),
      timeOfLastUpdate(kSection, QStringLiteral("Options.TimeOfLastUpdate")) {
    // A first start counts as an update check made just now.
    if (!timeOfLastUpdate.isStored())
        timeOfLastUpdate = static_cast<int>(Clock::secondsSinceEpoch());
}
