#pragma once

#include <QJsonObject>
#include <QString>

struct ClientRecord;
struct LocationResults;
struct PreparedReturn;
struct ReturnRecord;

// The return's data as one JSON document, the format "Export Return Data" writes (documented
// with its schema in docs/return-data.md): the client, the period, for a single-site return its
// rates, what was entered and every computed line, for a multi-site return the combined lines
// and the same for every location. The names are those of ReturnFields, which the stored inputs
// and the case files use too. A document reads back into the same return.
namespace ReturnData {
inline constexpr char kFormat[] = "vantrobe-return-data";
inline constexpr int kVersion = 1;

// The period as chosen (onTime, periodType, monthIndex, quarterIndex, yearIndex, useDateRule,
// priorYear) and what it gives (periodYear, periodText, dueDateText, periodCode).
QJsonObject periodSection(const ReturnRecord& record);
// What the calculations computed: rateSet, rates, st1Status, st1, st1Check, worksheet (with the
// printed items 2 and 18), motorFuel, gasoholWorksheet, st14, st4, st8 (each with its payment
// due) and summary (null when the bases of line 4a missed line 3).
QJsonObject computedSections(const ReturnRecord& record, int st1Status);
// The combined figures of a multi-site return: st1, worksheet (with the summed
// st8WorksheetAmount) and summary.
QJsonObject combinedSections(const ReturnRecord& combined);

QJsonObject document(const PreparedReturn& prepared);

// Reads a single-site document into `record`, whose client is taken: the period as chosen and
// every entry, stored as the wizard's steps store them. An empty text, or why the document
// cannot be read (record unchanged then).
QString read(const QJsonObject& document, ReturnRecord& record);
// Reads a multi-site document into the bound locations of `results`: the period, and each
// location, in list order, prepared from its entries as its wizard prepares it. An empty text,
// or why the document cannot be read.
QString readLocations(const QJsonObject& document, const ClientRecord& client,
                      LocationResults& results);
} // namespace ReturnData
