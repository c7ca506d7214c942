#include "settings/OptionsSettings.h"

#include "platform/Clock.h"

QString OptionsSettings::defaultClientDataPath(const QString& programFolder) {
    return programFolder + QStringLiteral("Clients/");
}

OptionsSettings::OptionsSettings(const QString& programFolder) {
    binder_.bindText(clientDataPath, QStringLiteral("Options.ClientDataPath"),
                     defaultClientDataPath(programFolder));
    binder_.bindInt(destroyClientDataPermanently,
                    QStringLiteral("Options.DestroyClientDataPermanently"), 0);
    binder_.bindInt(allowBlankForms, QStringLiteral("Options.AllowBlankForms"), 0);
    binder_.bindInt(printGasoholWorksheet, QStringLiteral("Options.PrintGasoholWSheet"), 0);
    binder_.bindInt(printDateTaxPayer, QStringLiteral("Options.PrintdateTaxPayersignatureline"), 1);
    binder_.bindInt(printDateTaxPreparer,
                    QStringLiteral("Options.PrintdateTaxPreparersignatureline"), 1);
    binder_.bindInt(checkForUpdatesFrequency, QStringLiteral("Options.CheckForUpdatesFrequency"),
                    2);
    // A first start counts as an update check made just now.
    binder_.bindInt(timeOfLastUpdate, QStringLiteral("Options.TimeOfLastUpdate"),
                    static_cast<int>(Clock::secondsSinceEpoch()));
}
