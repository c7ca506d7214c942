#include "returns/inputs/StoredInputs.h"

#include "platform/FixedText.h"
#include "platform/Version.h"
#include "returns/EnteredSections.h"
#include "returns/ReturnFields.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationResult.h"

#include <QJsonDocument>
#include <memory>

namespace {
const QLatin1String kFormatVersionKey("formatVersion");
const QLatin1String kPeriodKey("period");
const QLatin1String kSummaryKey("summary");
const QLatin1String kLocationsKey("locations");
const char* const kEntrySectionKeys[] = {"st1", "worksheet", "fuelSales", "st14", "st4", "st8"};

QJsonObject tableSection(const TaxTableIdentity& table) {
    return {{QStringLiteral("lastUpdated"), table.lastUpdated},
            {QStringLiteral("trailer"), table.trailer},
            {QStringLiteral("sha256"), table.sha256}};
}

QJsonObject periodSection(const ReturnPeriod& choice, const FilingPeriod& period) {
    QJsonObject json = EnteredSections::periodSection(choice);
    json[QStringLiteral("useDateRule")] = choice.useDateRule;
    json[QStringLiteral("priorYear")] = choice.priorYear;
    json[QStringLiteral("year")] = period.year;
    if (period.type == kMonthlyPeriod)
        json[QStringLiteral("month")] = period.number;
    if (period.type == kQuarterlyPeriod)
        json[QStringLiteral("quarter")] = period.number;
    return json;
}

QJsonObject summarySection(const ReturnSummary& summary) {
    QJsonObject json;
    ReturnFields::write(json, summary, ReturnFields::kSummary);
    return json;
}

// The document every stored return starts with: format, program, table, period and summary.
StoredInputs inputsHead(const ReturnRecord& record, QDate today, const TaxTableIdentity& table) {
    StoredInputs inputs;
    inputs.period = filingPeriodOf(record.period, today).value_or(FilingPeriod{});
    inputs.document = {{kFormatVersionKey, StoredInputs::kFormatVersion},
                       {QStringLiteral("programVersion"), QLatin1String(kVersionText)},
                       {QStringLiteral("taxTable"), tableSection(table)},
                       {kPeriodKey, periodSection(record.period, inputs.period)},
                       {kSummaryKey, summarySection(record.summary)}};
    return inputs;
}

void addSections(QJsonObject& json, const QJsonObject& sections) {
    for (auto it = sections.begin(); it != sections.end(); ++it)
        json[it.key()] = it.value();
}

QJsonObject locationSection(const LocationResult& entry, int row) {
    auto record = std::make_unique<ReturnRecord>();
    record->st1 = entry.st1;
    record->worksheet = entry.worksheet;
    record->fuelSales = entry.fuelSales;
    record->st14 = entry.st14;
    record->st4 = entry.st4;
    record->st8 = entry.st8;
    ReturnSummary lines;
    lines.summaryTotalReceipts = entry.st1.line1;
    lines.summaryDeductions = entry.st1.line2;
    lines.summaryTaxableReceipts = entry.st1.line3;
    lines.summaryPaymentDue = entry.st1.line25;
    QJsonObject json = EnteredSections::entries(*record);
    json[QStringLiteral("locationNumber")] = locationDisplayNumber(entry.location, row);
    json[QStringLiteral("name")] = FixedText::get(entry.location.name);
    json[QStringLiteral("locationCode")] = FixedText::get(entry.location.locationCode);
    json[kSummaryKey] = summarySection(lines);
    return json;
}

std::optional<FilingPeriod> storedPeriod(const QJsonObject& json) {
    const QJsonValue type = json[QLatin1String("periodType")];
    const QJsonValue year = json[QLatin1String("year")];
    if (!type.isDouble() || !year.isDouble())
        return std::nullopt;
    FilingPeriod period{type.toInt(-1), year.toInt(), 0};
    if (period.type == kMonthlyPeriod)
        period.number = json[QLatin1String("month")].toInt();
    else if (period.type == kQuarterlyPeriod)
        period.number = json[QLatin1String("quarter")].toInt();
    return period.isValid() ? std::optional(period) : std::nullopt;
}

bool hasObjectSections(const QJsonObject& json) {
    for (const char* key : kEntrySectionKeys) {
        if (!json[QLatin1String(key)].isObject())
            return false;
    }
    return json[kSummaryKey].isObject();
}

bool hasValidLocations(const QJsonValue& value) {
    if (!value.isArray() || value.toArray().isEmpty())
        return false;
    for (const QJsonValue& location : value.toArray()) {
        if (!location.isObject() || !hasObjectSections(location.toObject()))
            return false;
    }
    return true;
}

std::optional<StoredInputs> refuse(QString& problem, const QString& reason) {
    problem = reason;
    return std::nullopt;
}
} // namespace

QJsonArray StoredInputs::locations() const {
    return document[kLocationsKey].toArray();
}

ReturnSummary StoredInputs::summary() const {
    return storedSummary(document);
}

int StoredInputs::onTime() const {
    return document[kPeriodKey][QLatin1String("onTime")].toInt(1);
}

ReturnSummary storedSummary(const QJsonObject& section) {
    ReturnSummary summary;
    ReturnFields::read(summary, section[kSummaryKey].toObject(), ReturnFields::kSummary,
                       [](const QJsonValue& value) { return Dollars(value.toInteger()); });
    return summary;
}

StoredInputs singleSiteInputs(const ReturnRecord& record, QDate today,
                              const TaxTableIdentity& table) {
    StoredInputs inputs = inputsHead(record, today, table);
    addSections(inputs.document, EnteredSections::entries(record));
    return inputs;
}

StoredInputs multiSiteInputs(const ReturnRecord& combined, const LocationResults& locations,
                             QDate today, const TaxTableIdentity& table) {
    StoredInputs inputs = inputsHead(combined, today, table);
    QJsonArray list;
    for (int row = 0; row < locations.count; ++row)
        list.append(locationSection(locations.entries[size_t(row)], row));
    inputs.document[kLocationsKey] = list;
    return inputs;
}

QByteArray inputsText(const StoredInputs& inputs) {
    return QJsonDocument(inputs.document).toJson(QJsonDocument::Compact);
}

std::optional<StoredInputs> parseStoredInputs(const QByteArray& text, QString& problem) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (!document.isObject())
        return refuse(problem, QStringLiteral("the inputs are not readable (%1)")
                                   .arg(error.error == QJsonParseError::NoError
                                            ? QStringLiteral("not a JSON object")
                                            : error.errorString()));
    StoredInputs inputs;
    inputs.document = document.object();
    const QJsonValue version = inputs.document[kFormatVersionKey];
    if (!version.isDouble() || version.toInt() < 1)
        return refuse(problem, QStringLiteral("the inputs have no format version"));
    if (version.toInt() > StoredInputs::kFormatVersion)
        return refuse(problem, QStringLiteral("the inputs were stored by a newer version of the "
                                              "program (format %1)")
                                   .arg(version.toInt()));
    const std::optional<FilingPeriod> period = storedPeriod(inputs.document[kPeriodKey].toObject());
    if (!period)
        return refuse(problem, QStringLiteral("the inputs have no valid period"));
    inputs.period = *period;
    const bool sectionsOk = inputs.isMultiSite()
                                ? hasValidLocations(inputs.document[kLocationsKey]) &&
                                      inputs.document[kSummaryKey].isObject()
                                : hasObjectSections(inputs.document);
    if (!sectionsOk)
        return refuse(problem, QStringLiteral("the inputs lack some of their sections"));
    return inputs;
}
