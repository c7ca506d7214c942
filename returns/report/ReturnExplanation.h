#pragma once

#include "returns/explain/StepWording.h"

#include <QString>
#include <optional>
#include <vector>

struct PreparedReturn;

// One explained figure: "Line 4a, receipts taxed at the general rate" and its steps in words.
struct ExplainedLine {
    Figure figure;
    QString title;
    FigureWording words;

    // The figure's value as the words end with it; empty for the rates.
    QString amount() const;
};

// The explained figures of one form, in the form's order.
struct ExplainedForm {
    FigureForm form;
    QString title;
    std::vector<ExplainedLine> lines;
};

// The return of a single-site client; for a multi-site client the combined return, then each
// location (`location` its row).
struct ExplainedPart {
    QString title; // empty for a single-site return
    int location = -1;
    std::vector<ExplainedForm> forms;
};

// How every figure of a return came about: the rates, each line of ST-1, each worksheet item,
// each line of the ST-14, ST-4 and ST-8 the client files and the gasohol worksheet when the
// return has gasohol; a multi-site return adds every location's own. Only figures the
// calculations reached are listed (after bases that do not add up, the lines after line 9 are
// not).
struct ReturnExplanation {
    std::vector<ExplainedPart> parts;

    // The explained figure of the return (or of the combined return); none when it was not
    // reached.
    const ExplainedLine* find(Figure figure) const;
};

ReturnExplanation explainReturn(const PreparedReturn& prepared);
// One figure of the return (or of the combined return), without wording the others; none when
// the calculations did not reach it or its form is not part of the return.
std::optional<ExplainedLine> explainFigure(const PreparedReturn& prepared, Figure figure);

// "Line 4a, Receipts taxed at the general rate", "Item 16a, Other deduction (Bad debts)".
QString lineTitle(Figure figure, const St1Worksheet& worksheet);
// The same without the line: "Other deduction (Bad debts)".
QString lineDescription(Figure figure, const St1Worksheet& worksheet);
