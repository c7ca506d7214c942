#pragma once

#include "returns/explain/CalculationSteps.h"

#include <QString>
#include <QStringList>
#include <vector>

struct St1Worksheet;
struct TaxTableRecord;

// What the words need besides the steps: the rate table line of the location (for the rates)
// and, for a combined return, how its locations are called, by row.
struct WordingContext {
    const TaxTableRecord* taxRecord = nullptr;
    QStringList locations;
};

// An entry the words name, with its value as they show it.
struct NamedEntry {
    Operand operand;
    QString shown;
};

// A figure's steps in words: one sentence per step, the last ending with the figure's value
// (followed, for an amount the form leaves blank, by a sentence that says so).
struct FigureWording {
    QString text;
    double value = 0; // the value the steps end with
    std::vector<NamedEntry> entries;
};

// Words of a figure made before from other steps (another location's), with the same names
// of locations.
struct EarlierWording {
    const CalculationSteps& steps;
    const FigureWording& words;
};

// When the figure's steps are the same as the `earlier` ones, their words are the earlier
// words, which are then shared instead of made again.
FigureWording wordFigure(const CalculationSteps& steps, Figure figure,
                         const WordingContext& context, const EarlierWording* earlier = nullptr);

// A figure's value as the words show it: "6,855", "2,142.86", "0.2".
QString figureValueText(Figure figure, double value);

// The sentence that closes the words of a printed amount of zero or less.
inline constexpr char kPrintedBlank[] = "The form leaves this line blank.";
