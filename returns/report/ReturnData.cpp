#include "returns/report/ReturnData.h"

#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "platform/Version.h"
#include "returns/EnteredSections.h"
#include "returns/LiabilityPeriod.h"
#include "returns/LocationRates.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnFields.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/PreparedLocation.h"
#include "returns/report/PreparedReturn.h"

#include <QJsonArray>
#include <memory>

namespace {
using namespace ReturnFields;

const Field<ReturnPeriod, int> kDerivedPeriod[] = {{"useDateRule", &ReturnPeriod::useDateRule},
                                                   {"priorYear", &ReturnPeriod::priorYear}};

template <std::size_t N>
QString text(const char (&field)[N]) {
    const std::string_view view = FixedText::view(field);
    return QString::fromLatin1(view.data(), qsizetype(view.size()));
}

template <typename Section, typename Value, std::size_t N>
QJsonObject sectionOf(const Section& section, const Field<Section, Value> (&fields)[N]) {
    QJsonObject json;
    write(json, section, fields);
    return json;
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

QJsonObject clientSection(const ClientRecord& client) {
    return {{QStringLiteral("businessName"), text(client.businessName)},
            {QStringLiteral("ibtNumber"), text(client.ibtNumber)},
            {QStringLiteral("kobNumber"), text(client.kobNumber)},
            {QStringLiteral("locationCode"), text(client.locationCode)},
            {QStringLiteral("multiSite"), client.multiSite == 1 ? 1 : 0}};
}

} // namespace

QJsonObject ReturnData::combinedSections(const ReturnRecord& combined) {
    QJsonObject worksheet = worksheetSection(combined.worksheet);
    worksheet[QStringLiteral("st8WorksheetAmount")] =
        static_cast<qint64>(combined.st8.st8WorksheetAmount);
    return {{QStringLiteral("st1"), sectionOf(combined.st1, kSt1Lines)},
            {QStringLiteral("worksheet"), worksheet},
            {QStringLiteral("summary"), sectionOf(combined.summary, kSummary)}};
}

namespace {
QJsonObject locationSection(const PreparedReturn& prepared, int row) {
    const ClientLocation& location = prepared.locations[size_t(row)].location;
    const ReturnRecord record = prepared.locationReturn(row);
    return {{QStringLiteral("locationNumber"), locationDisplayNumber(location, row)},
            {QStringLiteral("name"), text(location.name)},
            {QStringLiteral("city"), text(location.city)},
            {QStringLiteral("locationCode"), text(location.locationCode)},
            {QStringLiteral("inputs"), EnteredSections::entries(record)},
            {QStringLiteral("computed"), ReturnData::computedSections(record, kSt1Ok)}};
}

QString formatProblem(const QJsonObject& document) {
    if (document[QStringLiteral("format")].toString() != QLatin1String(ReturnData::kFormat))
        return QStringLiteral("The file does not hold return data of this program.");
    const int version = document[QStringLiteral("version")].toInt();
    if (version != ReturnData::kVersion)
        return QStringLiteral("The file holds return data of version %1; this program reads "
                              "version %2.")
            .arg(version)
            .arg(ReturnData::kVersion);
    return {};
}

ReturnPeriod periodOf(const QJsonObject& document) {
    const QJsonObject section = document[QStringLiteral("period")].toObject();
    ReturnPeriod period = EnteredSections::periodChoice(section);
    read(period, section, kDerivedPeriod, [](const QJsonValue& value) { return value.toInt(); });
    return period;
}
} // namespace

QJsonObject ReturnData::periodSection(const ReturnRecord& record) {
    QJsonObject json = EnteredSections::periodSection(record.period);
    write(json, record.period, kDerivedPeriod);
    json[QStringLiteral("periodYear")] = periodYear(record.period, Clock::today());
    json[QStringLiteral("periodText")] = record.texts.periodText;
    json[QStringLiteral("dueDateText")] = record.texts.dueDateText;
    json[QStringLiteral("periodCode")] = record.texts.periodCode;
    return json;
}

QJsonObject ReturnData::computedSections(const ReturnRecord& record, int st1Status) {
    const ReturnSummary& summary = record.summary;
    return {
        {QStringLiteral("rateSet"), locationRateSet(record) == RateSet::Prior
                                        ? QStringLiteral("prior")
                                        : QStringLiteral("current")},
        {QStringLiteral("rates"), sectionOf(record.st1, kSt1Rates)},
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

QJsonObject ReturnData::document(const PreparedReturn& prepared) {
    const ReturnRecord& record = prepared.record;
    QJsonObject json = {
        {QStringLiteral("format"), QLatin1String(kFormat)},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("program"), QStringLiteral("Vantrobe %1").arg(QLatin1String(kVersionText))},
        {QStringLiteral("client"), clientSection(record.client)},
        {QStringLiteral("period"), periodSection(record)}};
    if (!prepared.multiSite()) {
        json[QStringLiteral("inputs")] = EnteredSections::entries(record);
        json[QStringLiteral("computed")] = computedSections(record, prepared.st1Status);
        return json;
    }
    json[QStringLiteral("computed")] = combinedSections(record);
    QJsonArray locations;
    for (int row = 0; row < int(prepared.locations.size()); ++row)
        locations.append(locationSection(prepared, row));
    json[QStringLiteral("locations")] = locations;
    return json;
}

QString ReturnData::read(const QJsonObject& document, ReturnRecord& record) {
    if (QString problem = formatProblem(document); !problem.isEmpty())
        return problem;
    if (document.contains(QStringLiteral("locations")))
        return QStringLiteral("The file holds a multi-site return.");
    setPeriod(record, periodOf(document));
    EnteredSections::storeEntries(document[QStringLiteral("inputs")].toObject(), record);
    return {};
}

QString ReturnData::readLocations(const QJsonObject& document, const ClientRecord& client,
                                  LocationResults& results) {
    if (QString problem = formatProblem(document); !problem.isEmpty())
        return problem;
    const QJsonArray locations = document[QStringLiteral("locations")].toArray();
    if (locations.size() != results.count)
        return QStringLiteral("The file holds %1 locations; the client has %2.")
            .arg(locations.size())
            .arg(results.count);
    results.period = periodOf(document);
    auto record = std::make_unique<ReturnRecord>();
    for (int row = 0; row < results.count; ++row) {
        LocationResult& entry = results.entries[size_t(row)];
        resetReturn(*record);
        setPeriod(*record, results.period);
        takeClient(*record, locationClientRecord(client, entry.location));
        EnteredSections::storeEntries(
            locations[row].toObject()[QStringLiteral("inputs")].toObject(), *record);
        if (storePreparedLocation(entry, *record) != kSt1Ok)
            return QStringLiteral("Location %1: lines 4a + 5a + 6a + 7a + 8a do not equal "
                                  "line 3.")
                .arg(locationDisplayNumber(entry.location, row));
    }
    return {};
}
