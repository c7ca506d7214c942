#pragma once

#include "taxtables/TaxTableRecord.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The two rate sets of a table line: the rates now in force, and the rates before the latest
// change.
enum class RateSet { Current, Prior };

struct TableDate {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
};

// Which table a return was computed with: the trailer line's own date and text, and the
// SHA-256 of the whole file (lower-case hex), which tells two tables of the same date apart.
struct TaxTableIdentity {
    QString lastUpdated; // "2005-07-01" from the trailer
    QString trailer;     // the trailer line, line end removed
    QString sha256;

    bool operator==(const TaxTableIdentity&) const = default;
};

// Why a rate set applies on a day: without the date rule the current rates always do; with it,
// the current rates count from the month they took effect (the next month for a change on any
// day but the 1st) and apply once six months have passed since.
struct RateSetChoice {
    RateSet set = RateSet::Current;
    bool dateRule = false;
    int effectiveYear = 0; // the day the current rates took effect, from the table
    int effectiveMonth = 0;
    int effectiveDay = 0;
    int countsFromYear = 0; // with the date rule: the month the change counts from
    int countsFromMonth = 0;
    long long monthsSince = 0; // with the date rule: months from that month to today's
};

// The sales tax table read from Data.tbl: every taxing location of the state with its rates.
// Loaded once at start-up and read-only afterwards.
class TaxTable {
public:
    // Reads the table file. The last line is the trailer, which only gives the last-updated
    // date. Returns false when the file cannot be read, holds no line at all or is larger than
    // 1 MB (many times the real table).
    bool load(const QString& fileName);
    bool isLoaded() const { return loaded_; }

    // Fills `record` from the line of `locationCode` (exact, case-sensitive). Returns false and
    // leaves the record untouched when the table is not loaded or has no such code.
    bool lookup(std::string_view locationCode, TaxTableRecord& record) const;

    // Location lines in file order, the trailer excluded.
    int count() const;
    // Parses line `index` (0 .. count() - 1) into `record`; false for an index out of range.
    bool recordAt(int index, TaxTableRecord& record) const;
    TableDate lastUpdated() const { return lastUpdated_; }
    const TaxTableIdentity& identity() const { return identity_; }

    // Rates of the set that chooseRateSet picks for today, as fractions (0.0625 for 6.25 %).
    static double generalRate(const TaxTableRecord& record, bool useDateRule);
    static double foodRate(const TaxTableRecord& record, bool useDateRule);
    static double purchaseGeneralRate(const TaxTableRecord& record, bool useDateRule);
    static double purchaseFoodRate(const TaxTableRecord& record, bool useDateRule);
    // The rates of a given set.
    static double generalRate(const TaxTableRecord& record, RateSet set);
    static double foodRate(const TaxTableRecord& record, RateSet set);
    static double purchaseGeneralRate(const TaxTableRecord& record, RateSet set);
    static double purchaseFoodRate(const TaxTableRecord& record, RateSet set);

    // With the date rule, a rate change counts only once six months have passed since it took
    // effect (a change on any day but the 1st counts from the next month); until then the
    // prior rates apply. Without the rule the current rates always apply.
    static RateSet chooseRateSet(const TaxTableRecord& record, bool useDateRule, QDate today);
    // The same choice with its reasons.
    static RateSetChoice rateSetChoice(const TaxTableRecord& record, bool useDateRule, QDate today);

private:
    // Raw lines as read, line ends included; the last one is the trailer.
    std::vector<std::string> lines_;
    // Location code (the first ten characters of a line) to its position in lines_; a later
    // line with the same code replaces the earlier one here while both stay listed.
    std::unordered_map<std::string, std::size_t> index_;
    TableDate lastUpdated_;
    TaxTableIdentity identity_;
    bool loaded_ = false;
};
