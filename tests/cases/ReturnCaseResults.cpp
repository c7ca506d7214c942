#include "ReturnCaseResults.h"

#include "returns/report/ReturnData.h"

#include <QByteArray>

namespace {
QString taxRecordHex(const TaxTableRecord& record) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(&record), sizeof(record)).toHex());
}
} // namespace

// The period and computed sections are those of the data export, which uses the case format's
// names; the period section also holds the choices, which the comparison passes over.
QJsonObject ReturnCaseResults::calculationSections(const ReturnRecord& record, int st1Status) {
    QJsonObject sections = ReturnData::computedSections(record, st1Status);
    sections[QStringLiteral("period")] = ReturnData::periodSection(record);
    sections[QStringLiteral("taxRecordHex")] = taxRecordHex(record.client.taxRecord);
    return sections;
}

QJsonObject ReturnCaseResults::expectedCalculationSections(const QJsonObject& expected) {
    static const char* const sections[] = {
        "period", "rateSet",  "rates",     "taxRecordHex", "st1Status",
        "st1",    "st1Check", "worksheet", "motorFuel",    "gasoholWorksheet",
        "st14",   "st4",      "st8",       "summary"};
    QJsonObject part;
    for (const char* key : sections)
        part[QLatin1String(key)] = expected[QLatin1String(key)];
    return part;
}
