#pragma once

#include "settings/SettingsBinder.h"

#include <QString>

// The "TaxPrepInfo" section: the preparer's own name, address and phone, printed on the forms
// and in letters. Read when the document is created, written back when it is destroyed.
class PreparerInfoSettings {
public:
    PreparerInfoSettings();

    QString name;
    QString address1;
    QString address2;
    QString city;
    QString zipCode;
    QString phone;

private:
    SettingsBinder binder_{QStringLiteral("TaxPrepInfo")};
};
