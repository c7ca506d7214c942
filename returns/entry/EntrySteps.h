#pragma once

#include "platform/AmountText.h"
#include "returns/entry/ReturnPageKeys.h"

#include <QString>
#include <span>

struct ClientRecord;

// The steps of the return wizard that take figures, in the wizard's order, with the fields each
// shows (named as the entry sections and the case format name them), the kind of each field,
// whether the step's amounts must stay below the total receipts, and what in the client's
// profile calls for the step. The wizard's steps and the figure import both follow it.
namespace EntrySteps {
enum class FieldKind {
    Dollars,     // dollars and cents
    WholeNumber, // gallons and tires
    Text,        // a description
    Method,      // the choice of one of three methods, stored as 0 to 2
};

struct Field {
    const char* section; // "st1", "worksheet", "fuelSales", "st14", "st4" or "st8"
    const char* key;
    FieldKind kind;
};

// What in the client's profile a step needs.
enum class Condition {
    Always,
    DeductionGroup1,
    SellsMotorFuel,
    DeductionGroup2,
    DeductionGroup3,
    FilesSt14,
    FilesSt4,
    FilesSt8,
};

struct Step {
    int page;
    Condition condition;
    bool sumBelowTotalReceipts;
    std::span<const Field> fields;
};

std::span<const Step> all();
// The step of `page`, or none for a step without figures (welcome, period, summary).
const Step* find(int page);
// The field named `key` (exactly), or none; `step` receives its step.
const Field* findField(const QString& key, const Step** step = nullptr);

bool included(const Step& step, const ClientRecord& client);
// Whether the wizard shows `page` for the client: steps without figures always.
bool pageIncluded(int page, const ClientRecord& client);
// Why a step is left out for a client whose profile lacks `condition`.
QString missingCondition(Condition condition);

AmountText::Kind amountKind(FieldKind kind);
} // namespace EntrySteps
