#pragma once

#include <QString>
#include <utility>
#include <vector>

class TaxTable;
struct TaxTableRecord;

// The checks of the client wizard's entries and of the location dialog. Each returns the
// message of the first problem found, in the order the preparer is told about them, or an
// empty text when the entry is acceptable.
namespace EntryChecks {

inline const QString kDuplicateName =
    QStringLiteral("A client with the same \"Business Name\" already exists ,\n please choose a "
                   "different name. ");

// One business site as typed: the business step and the location dialog ask the same fields.
struct SiteEntry {
    QString name;
    QString address1;
    QString address2;
    QString city;
    QString zipCode;
    QString phone;
    QString locationCode;
    QString email;
};

// A required field: the text typed and the line that names it in the missing-fields message.
using RequiredField = std::pair<QString, QString>;

// "Please make sure to fill the following field(s):" with a line for each empty field, or an
// empty text when all are filled.
QString missingFields(const std::vector<RequiredField>& fields);

struct SiteCheck {
    QString problem;
    // The location code was looked up and found; its table line went to the record.
    bool codeFound = false;
};

// Required fields, location code length and lookup (the table line goes to `taxRecord`), zip
// code and e-mail address. `nameLine` names the name field ("Business Name.\n").
SiteCheck checkSite(const SiteEntry& site, const QString& nameLine, const TaxTable& table,
                    TaxTableRecord& taxRecord);

// The IBT number is required and must have more than eight characters.
QString taxNumberProblem(const QString& ibtNumber);

// The transmittal address is checked only when it differs from the business address.
QString transmittalProblem(bool differs, const QString& address1, const QString& city,
                           const QString& zipCode);

// A location number is a whole number from 1 to 255; text that is no number counts as 0.
QString locationNumberProblem(const QString& number);

} // namespace EntryChecks
