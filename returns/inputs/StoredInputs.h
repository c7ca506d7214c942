#pragma once

#include "returns/ReturnSummary.h"
#include "returns/schedule/FilingPeriod.h"
#include "taxtables/TaxTable.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <optional>

struct LocationResults;
struct ReturnRecord;

// The inputs kept beside a stored return: everything needed to prepare it again, as one JSON
// document in the shape of a case's input:
//   formatVersion, programVersion, taxTable {lastUpdated, trailer, sha256},
//   period {onTime, periodType, monthIndex, quarterIndex, yearIndex, useDateRule, priorYear,
//           year, and month (1-12) or quarter (1-4)},
//   summary {the seven summary amounts},
//   a single-site return: the entry sections st1, worksheet, fuelSales, st14, st4, st8;
//   a multi-site return: locations [{locationNumber, name, locationCode, the six entry
//                                    sections, summary (its ST-1 lines 1, 2, 3 and 25)}].
// The list positions of the period depend on the day the return was prepared, so the period's
// own year and month or quarter are kept too; the next period is derived from those.
struct StoredInputs {
    static constexpr int kFormatVersion = 1;

    FilingPeriod period;
    QJsonObject document;

    // The entry sections of a single-site return (empty for a multi-site one).
    QJsonObject entrySections() const { return document; }
    QJsonArray locations() const;
    bool isMultiSite() const { return document.contains(QLatin1String("locations")); }
    ReturnSummary summary() const;
    int onTime() const;
};

// The inputs of a single-site return prepared on `today`.
StoredInputs singleSiteInputs(const ReturnRecord& record, QDate today,
                              const TaxTableIdentity& table);
// The inputs of a multi-site return prepared on `today`: its combined summary and each
// prepared location's entries.
StoredInputs multiSiteInputs(const ReturnRecord& combined, const LocationResults& locations,
                             QDate today, const TaxTableIdentity& table);

QByteArray inputsText(const StoredInputs& inputs);
// Reads a stored document back. Nothing, with `problem` saying why, when the text is not a
// JSON object, was written by a newer format, or lacks a valid period or its sections.
std::optional<StoredInputs> parseStoredInputs(const QByteArray& text, QString& problem);

// The summary amounts stored under "summary" in `section`.
ReturnSummary storedSummary(const QJsonObject& section);
