#pragma once

#include "returns/explain/Figure.h"
#include "returns/explain/Operand.h"
#include "taxtables/TaxTable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// What a term of a recorded expression is: a named operand, another figure, one location's
// value of the figure (a combined return's sums), a plain number, or an operation on two
// earlier terms.
enum class TermKind : std::uint8_t { Operand, Figure, Location, Number, Operation };

struct StepTerm {
    TermKind kind = TermKind::Number;
    char operation = 0;     // '+', '-', '*' or '/' of an operation
    std::uint16_t id = 0;   // the Operand, the Figure or the location's row
    std::uint32_t left = 0; // an operation's terms
    std::uint32_t right = 0;
    double value = 0; // a leaf's value, an operation's result
};

// A rule a calculation applied, with the values it looked at (`result` and `values` of the
// step that notes it).
enum class StepNote : std::uint8_t {
    None,
    OnTime,          // the return is on time: the discount applies
    Late,            // the return is late: no discount
    BasesMatch,      // lines 4a to 8a add up to line 3 (sum, line 3, line 4a)
    BasesCorrected,  // they miss it by a dollar: line 4a moves (sum, line 3, line 4a, moved by)
    BasesDoNotAddUp, // they miss it by more (sum, line 3)
    NothingSold,     // no gallons and no receipts: no exemption
    NetBelowZero,    // a fuel's net receipts below zero count as zero (net)
    TotalMethod,     // the ST-14 or ST-4 amount includes that tax
    TaxableMethod,   // it is the taxable amount
    AllTaxesMethod,  // it includes every tax
    MpeaIncluded,    // the soft drink amount with all taxes includes the MPEA tax
    NoServiceSales,  // items 1b and 1d: no step enters them
    RatePercent,     // the general rate text of the rate table in percent (the percent)
    LocationSum,     // a combined figure is the sum of the locations' own, not recomputed
};

enum class StepKind : std::uint8_t { Compute, Round, Note };

// One step of a calculation: a figure (or an amount handed on as `name`) computed from an
// expression, a rounding to whole dollars, or a rule applied.
struct Step {
    Figure figure = Figure::Rates;
    StepKind kind = StepKind::Compute;
    StepNote note = StepNote::None;
    bool named = false;
    Operand name = Operand::TotalReceipts; // when named: what later steps call the result
    std::uint32_t expression = 0;          // a computation's root term
    double result = 0; // a computation's value, a rounding's whole dollars, a note's first value
    double values[3] = {}; // a rounding's amount; a note's further values
};

// The rates a return was computed with, and why that set.
struct RateStep {
    RateSetChoice choice;
    double general = 0;
    double food = 0;
    double purchaseGeneral = 0;
    double purchaseFood = 0;
};

// The steps the calculations of one return (or one location, or the sums of a multi-site
// return) recorded as they ran, in a small arena that keeps its room between uses.
class CalculationSteps {
public:
    void clear();
    bool empty() const { return steps_.empty(); }

    std::span<const Step> steps() const { return steps_; }
    const StepTerm& term(std::uint32_t index) const { return terms_[index]; }
    const std::optional<RateStep>& rates() const { return rates_; }
    // Whether a step of the figure was recorded.
    bool explains(Figure figure) const;
    // The figure's first step, and the one recorded after `step` for the same figure; none
    // after its last.
    const Step* firstOf(Figure figure) const;
    const Step* nextOf(const Step& step) const;
    // Whether the figure's steps here and in `other` are the same, term for term and value for
    // value, so that they come to the same words.
    bool sameSteps(Figure figure, const CalculationSteps& other) const;

    // Recording, through StepRecorder.
    std::uint32_t addTerm(const StepTerm& term);
    void add(const Step& step);
    void setRates(const RateStep& rates) { rates_ = rates; }
    // A location's value added to the figure's running sum, which is then `total`.
    void addToSum(Figure figure, int row, double added, double total);

private:
    bool sameTerms(std::uint32_t index, const CalculationSteps& other,
                   std::uint32_t otherIndex) const;

    std::vector<StepTerm> terms_;
    std::vector<Step> steps_;
    std::optional<RateStep> rates_;
    std::vector<std::uint32_t> openSums_; // by figure: its sum's step + 1, or 0
    // Each figure's steps as a chain, so that its words do not search every step: by figure
    // its first and last step + 1 (0 for none), by step the next step of its figure + 1.
    std::vector<std::uint32_t> firstOfFigure_;
    std::vector<std::uint32_t> lastOfFigure_;
    std::vector<std::uint32_t> nextOfFigure_;
};
