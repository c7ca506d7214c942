#pragma once

#include <QDate>
#include <QString>

struct ClientRecord;
class PreparerInfoSettings;

// Name, first address line, city, ZIP code and phone of one side of a letter.
struct LetterParty {
    QString name;
    QString address1;
    QString city;
    QString zipCode;
    QString phone;
};

// Everything a transmittal letter is generated from: the preparer, the client's business
// address, the client file (whose letter is preferred over the default one), the period-ending
// text printed on the return, the amount due in whole dollars, and the date of the letter.
struct LetterInputs {
    LetterParty preparer;
    LetterParty client;
    QString clientFilePath;
    QString periodEnding;
    qint64 amountDue = 0;
    QDate today;
};

LetterParty preparerParty(const PreparerInfoSettings& preparer);
// The business name and business address; the transmittal address is not used in letters.
LetterParty clientParty(const ClientRecord& record);
