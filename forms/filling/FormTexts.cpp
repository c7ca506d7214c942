#include "forms/filling/FormTexts.h"

#include "forms/filling/FieldWriter.h"
#include "platform/CFormat.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"


namespace {
constexpr qsizetype kFixedCityWidth = 31;
constexpr qsizetype kFixedCityLineWidth = 35;
} // namespace

namespace FormTexts {

QString fieldChars(const QString& text) {
    QString result = text;
    for (QChar& character : result) {
        if (character.unicode() > 0xFF)
            character = QChar(uchar(Cp1252::fromUnicode(QString(character)).at(0)));
    }
    return result;
}

QString todayText(const char* format) {
    const QDate today = Clock::today();
    return cFormat(format, today.month(), today.day(), today.year());
}

MailingAddress mailingAddress(const ClientRecord& client) {
    if (client.transmittalDiffers != 0)
        return {recordText(client.transmittalAddress1), recordText(client.transmittalAddress2),
                recordText(client.transmittalCity), recordText(client.transmittalZip)};
    return {recordText(client.address1), recordText(client.address2), recordText(client.city),
            recordText(client.zipCode)};
}

QStringList addressBlock(const ClientRecord& client) {
    const MailingAddress address = mailingAddress(client);
    QStringList lines{recordText(client.businessName), address.street1};
    if (!address.street2.isEmpty())
        lines << address.street2;
    lines << QStringLiteral("%1 IL %2").arg(address.city, address.zip);
    return lines;
}

void writeAddressBlock(FieldWriter& writer, const ClientRecord& client,
                       const std::array<int, 4>& keys) {
    const QStringList lines = addressBlock(client);
    for (qsizetype i = 0; i < lines.size(); ++i)
        writer.text(keys[size_t(i)], lines[i]);
}

QString fixedCityLine(const QString& city) {
    return (city.left(kFixedCityWidth).leftJustified(kFixedCityWidth, QLatin1Char(' ')) +
            QStringLiteral("IL"))
        .leftJustified(kFixedCityLineWidth, QLatin1Char(' '));
}

void writeFixedAddress(FieldWriter& writer, const ClientRecord& client,
                       const FixedAddressKeys& keys) {
    const MailingAddress address = mailingAddress(client);
    writer.text(keys.name, recordText(client.businessName));
    writer.text(keys.street1, address.street1);
    if (keys.street2)
        writer.text(*keys.street2, address.street2);
    writer.text(keys.cityLine, fixedCityLine(address.city));
    writer.text(keys.zip, zipText(address.zip));
}

QString zipText(const QString& zip) {
    return QStringLiteral("  ") + zip;
}

QString ibtDigits(const QString& ibtNumber) {
    return QString(ibtNumber).remove(QLatin1Char('-'));
}

} // namespace FormTexts
