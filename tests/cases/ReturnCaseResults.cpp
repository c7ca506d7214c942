#include "ReturnCaseResults.h"

#include "platform/Clock.h"
#include "returns/LiabilityPeriod.h"
#include "returns/LocationRates.h"
#include "returns/ReturnFields.h"
#include "returns/St1Calculation.h"

#include <QByteArray>

namespace {
using namespace ReturnFields;

QJsonObject periodSection(const ReturnRecord& record) {
    const ReturnPeriod& period = record.period;
    return {
        {QStringLiteral("useDateRule"), period.useDateRule},
        {QStringLiteral("priorYear"), period.priorYear},
        {QStringLiteral("periodYear"), periodYear(period, Clock::today())},
        {QStringLiteral("periodText"), record.texts.periodText},
        {QStringLiteral("dueDateText"), record.texts.dueDateText},
        {QStringLiteral("periodCode"), record.texts.periodCode},
    };
}

QJsonObject st1CheckSection(const St1Check& check, int st1Status) {
    return {
        {QStringLiteral("s"), static_cast<qint64>(check.basesSum)},
        {QStringLiteral("line4aBeforeCheck"), static_cast<qint64>(check.line4aBeforeCheck)},
        {QStringLiteral("correction"),
         st1Status == kSt1Ok ? QJsonValue(check.correction) : QJsonValue()},
    };
}

QJsonObject worksheetSection(const St1Worksheet& sheet) {
    QJsonObject json;
    write(json, sheet, kWorksheetDeductions);
    write(json, sheet, kWorksheetDescriptions);
    write(json, sheet, kMotorFuelItems);
    write(json, sheet, kWorksheetComputed);
    write(json, sheet, kWorksheetComputedTexts);
    json[QStringLiteral("item2")] = static_cast<qint64>(sheet.item2());
    json[QStringLiteral("item18")] = static_cast<qint64>(sheet.item18());
    return json;
}

template <typename Section, typename Value, std::size_t N>
QJsonObject sectionOf(const Section& section, const Field<Section, Value> (&fields)[N]) {
    QJsonObject json;
    write(json, section, fields);
    return json;
}

QJsonObject gasoholSection(const GasoholWorksheet& sheet) {
    QJsonObject json = sectionOf(sheet, kGasoholValues);
    write(json, sheet, kGasoholGallons);
    return json;
}

// A local return's lines with its payment due, which the summary holds.
template <typename Section, std::size_t N>
QJsonObject localReturnSection(const Section& section, const Field<Section, Dollars> (&lines)[N],
                               const char* dueKey, Dollars due) {
    QJsonObject json = sectionOf(section, lines);
    json[QLatin1String(dueKey)] = static_cast<qint64>(due);
    return json;
}

QString taxRecordHex(const TaxTableRecord& record) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(&record), sizeof(record)).toHex());
}
} // namespace

QJsonObject ReturnCaseResults::calculationSections(const ReturnRecord& record, int st1Status) {
    const ReturnSummary& summary = record.summary;
    return {
        {QStringLiteral("period"), periodSection(record)},
        {QStringLiteral("rateSet"), locationRateSet(record) == RateSet::Prior
                                        ? QStringLiteral("prior")
                                        : QStringLiteral("current")},
        {QStringLiteral("rates"), sectionOf(record.st1, kSt1Rates)},
        {QStringLiteral("taxRecordHex"), taxRecordHex(record.client.taxRecord)},
        {QStringLiteral("st1Status"), st1Status},
        {QStringLiteral("st1"), sectionOf(record.st1, kSt1Lines)},
        {QStringLiteral("st1Check"), st1CheckSection(record.st1.check, st1Status)},
        {QStringLiteral("worksheet"), worksheetSection(record.worksheet)},
        {QStringLiteral("motorFuel"), sectionOf(record.worksheet, kMotorFuelItems)},
        {QStringLiteral("gasoholWorksheet"), gasoholSection(record.gasoholWorksheet)},
        {QStringLiteral("st14"),
         localReturnSection(record.st14, kSt14Lines, "st14PaymentDue", summary.st14PaymentDue)},
        {QStringLiteral("st4"),
         localReturnSection(record.st4, kSt4Lines, "st4PaymentDue", summary.st4PaymentDue)},
        {QStringLiteral("st8"),
         localReturnSection(record.st8, kSt8Lines, "st8PaymentDue", summary.st8PaymentDue)},
        {QStringLiteral("summary"),
         st1Status == kSt1Ok ? QJsonValue(sectionOf(summary, kSummary)) : QJsonValue()},
    };
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
