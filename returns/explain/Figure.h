#pragma once

#include "returns/RoundDollars.h"

#include <cstdint>
#include <span>

struct ReturnRecord;

// Every figure of a return that can be explained: the lines of ST-1, the items of its
// worksheet for line 2, the lines of ST-14, ST-4 and ST-8, the values of the gasohol exemption
// worksheet, and the amounts that pass between the forms without being printed. The rates of
// the location come first.
enum class Figure : std::uint16_t {
    Rates,
    // ST-1
    St1LineA,
    St1Line1,
    St1Line2,
    St1Line3,
    St1Line4a,
    St1Line4b,
    St1Line5a,
    St1Line5b,
    St1Line6a,
    St1Line6b,
    St1Line7a,
    St1Line7b,
    St1Line8a,
    St1Line8b,
    St1Line9,
    St1Line10,
    St1Line11,
    St1Line12a,
    St1Line12b,
    St1Line13a,
    St1Line13b,
    St1Line14a,
    St1Line14b,
    St1Line15,
    St1Line16,
    St1Line16a,
    St1Line17,
    St1Line18,
    St1Line19,
    St1Line20,
    St1Line21,
    St1Line22,
    St1Line23,
    St1Line24,
    St1Line25,
    // The ST-1 worksheet for line 2
    Item1a,
    Item1b,
    Item1c,
    Item1d,
    Item2,
    Item3,
    Item4,
    Item5,
    Item6,
    Item7a,
    Item7b,
    Item7c,
    Item7d,
    Item7e,
    Item7f,
    Item7g,
    Item7h,
    Item7i,
    Item7j,
    Item8a,
    Item8b,
    Item8c,
    Item8d,
    Item8e,
    Item8f,
    Item8g,
    Item8h,
    Item8i,
    Item8j,
    Item9a,
    Item9b,
    Item9c,
    Item10,
    Item11,
    Item12,
    Item13,
    Item14,
    Item15,
    Item16a,
    Item16b,
    Item16c,
    Item16d,
    Item17,
    Item18,
    HomeRuleFuelTax,
    // ST-14
    St14Line1,
    St14Line2,
    St14Line3,
    St14Line4,
    St14Line5,
    St14Line6,
    St14WorksheetAmount,
    // ST-4
    St4Line1,
    St4Line2,
    St4Line3,
    St4Line4,
    St4Line5,
    St4Line6,
    St4Line7,
    St4Line8,
    St4Line9,
    St4Line10,
    St4Line11,
    St4Line12,
    St4Line13,
    St4Line14,
    St4Line15,
    St4WorksheetAmount,
    // ST-8
    St8Line1,
    St8Line2,
    St8Line3,
    St8Line4,
    St8Line5,
    St8Line6,
    St8Line7,
    St8Line8,
    St8Line9,
    St8Line10,
    St8Line11,
    St8Line12,
    St8Line13,
    St8Line14,
    St8Line15,
    St8WorksheetAmount,
    // The gasohol exemption worksheet
    GasoholReceipts,
    GasoholStateTax,
    GasoholHomeRuleTax,
    GasoholNet,
    GasoholBase,
    GasoholExemption,
    GasoholRatePercent,
    GasoholExemptShare,
};

inline constexpr int kFigureCount = int(Figure::GasoholExemptShare) + 1;

// The form a figure belongs to.
enum class FigureForm : std::uint8_t { Rates, St1, Worksheet, St14, St4, St8, Gasohol };

// How a figure's value reads: whole dollars, a count (gallons, tires), dollars and cents, or a
// plain number (a rate in percent, a share).
enum class FigureStyle : std::uint8_t { Dollars, Count, Money, Number };

// How the form prints a figure: an amount field that stays blank for zero or less, a text
// that always shows the value (the receipts of item 8, the gasohol worksheet's lines), or not
// at all (amounts that pass from one form to another).
enum class FigurePrinting : std::uint8_t { Amount, Always, Never };

struct FigureInfo {
    Figure figure;
    FigureForm form;
    const char* line;        // as the form names it: "4a", "16c"; empty when no form prints it
    const char* description; // what the line holds, starting with a capital
    FigureStyle style;
};

const FigureInfo& figureInfo(Figure figure);
FigurePrinting figurePrinting(Figure figure);
// The figures of a form in the order the form prints them (the form's line order).
std::span<const FigureInfo> formFigures(FigureForm form);
// "ST-1", "ST-1 worksheet", "ST-14", "ST-4", "ST-8", "Gasohol worksheet", "Rates".
const char* formName(FigureForm form);
// "Line 4a" on a return, "Item 16c" on the worksheet; the description for a figure no form
// prints.
const char* lineWord(FigureForm form);

// The value of a figure as the return keeps it (the rates figure has none: 0).
double figureValue(const ReturnRecord& record, Figure figure);
