#pragma once

#include "clients/ClientRecord.h"
#include "platform/CFormat.h"
#include "platform/FixedText.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class FieldWriter;

// The texts the fills build from the client and the date. Field texts are strings whose
// characters are Windows-1252 bytes, one byte per UTF-16 code unit, which is how the page
// images store them.
namespace FormTexts {

// A text of a client record: its bytes as field characters.
template <std::size_t N>
QString recordText(const char (&field)[N]) {
    const std::string_view text = FixedText::view(field);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// A text that may hold any Unicode character as field characters: characters up to U+00FF
// are already field characters; others become their Windows-1252 byte, or "?" when the code
// page has none.
QString fieldChars(const QString& text);

// Today's date by a format that takes the month, the day and the year, in that order.
QString todayText(const char* format);

// The address the forms print: the transmittal address when the client uses a separate one,
// otherwise the business address.
struct MailingAddress {
    QString street1;
    QString street2;
    QString city;
    QString zip;
};
MailingAddress mailingAddress(const ClientRecord& client);

// The name and address block of ST-1 and ST-14: the business name, the street lines (the
// second only when it is not empty) and the city line "city IL zip".
QStringList addressBlock(const ClientRecord& client);
// Writes the block into four keys; a block of three lines leaves the fourth key blank.
void writeAddressBlock(FieldWriter& writer, const ClientRecord& client,
                       const std::array<int, 4>& keys);

// The keys of the fixed address lines of ST-4 and ST-8 (ST-8 has no second street line).
struct FixedAddressKeys {
    int name;
    int street1;
    std::optional<int> street2;
    int cityLine;
    int zip;
};
// Writes the business name, the street lines, the city line with "IL" and the ZIP code.
void writeFixedAddress(FieldWriter& writer, const ClientRecord& client,
                       const FixedAddressKeys& keys);

// The city line of ST-4 and ST-8: 35 characters, the city cut to 31 and "IL" in the 32nd
// and 33rd.
QString fixedCityLine(const QString& city);
// The ZIP code field of ST-4 and ST-8.
QString zipText(const QString& zip);

// The IBT number without its hyphens, as the ST-1 scan line's second part prints it.
QString ibtDigits(const QString& ibtNumber);

} // namespace FormTexts
