#pragma once

#include "returns/ReturnPeriod.h"
#include "returns/ReturnSummary.h"
#include "returns/inputs/StoredInputs.h"

#include <QDate>
#include <QHash>
#include <QJsonObject>
#include <QString>
#include <optional>

struct ClientLocation;

// What a new return takes from the client's last stored return: the next period chosen, the
// answers that describe how the client files (the ST-14 and ST-4 methods, the deduction
// descriptions) and, beside every amount field, the last return's figure as a hint. The
// amounts themselves start empty.
struct CarryForward {
    // The period section for the period page (the next period), when its lists offer it.
    std::optional<ReturnPeriod> nextChoice;
    FilingPeriod lastPeriod;
    FilingPeriod next;
    // Entry sections holding only the profile answers.
    QJsonObject answers;
    // "last: 12,345.67" by field name.
    QHash<QString, QString> hints;
    // The last return's summary amounts (its ST-1 lines 1, 2, 3 and 25 first).
    ReturnSummary lastSummary;

    // Whether the next period had to be left to the preparer (not offered on the lists).
    bool nextPeriodUnavailable() const { return !nextChoice; }
};

// What a new single-site return (or a multi-site one, for its period and summary) takes from
// `last` on `today`.
CarryForward carryForwardFrom(const StoredInputs& last, QDate today);
// What one location takes from the location of `last` with the same number and location code
// (the number shown in the list: `locationNumber`, or the row counted from 1). Nothing when
// the last return had no such location.
std::optional<CarryForward> carryForwardForLocation(const StoredInputs& last,
                                                    const ClientLocation& location, int row);

// What the period step says about the carried period: "The last stored return is for Feb 2025;
// the next period, Mar 2025, is chosen below.", or that the next period is not on the lists.
QString carryForwardNote(const CarryForward& carry);

// The entry sections reduced to the profile answers: the methods and the descriptions.
QJsonObject profileAnswers(const QJsonObject& sections);
// "last: ..." for every amount, count and payment of the entry sections: dollars and cents
// where the field takes cents, whole numbers where its page rounds or counts.
QHash<QString, QString> lastFigureHints(const QJsonObject& sections);
// "12,345.67".
QString moneyText(double amount);

// How a summary amount compares with the last return's.
struct FigureChange {
    QString percent; // "+12.5 %", "-60.0 %", or "new" when the last amount was 0
    bool marked = false;
    QString reason; // why it is marked: "over 50 % up", "over 50 % down", "sign changed",
                    // "last was 0"
};

// Marked when the amount moved by more than half of the last one up or down, changed its
// sign, or is not 0 where the last was.
FigureChange compareWithLast(Dollars last, Dollars now);
