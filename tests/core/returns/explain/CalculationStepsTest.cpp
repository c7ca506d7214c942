#include "returns/explain/CalculationSteps.h"

#include "returns/explain/StepRecorder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
using F = Figure;

// Line 4b of a location: the general rate times its receipts, rounded, after another line.
void recordLine4b(CalculationSteps& steps, double receipts, double rate = 0.0625,
                  bool withNote = false) {
    const StepRecorder recorder(steps);
    recorder.rounded(F::St1Line3, term(Operand::TotalReceipts, receipts) - number(20.0));
    recorder.rounded(F::St1Line4b,
                     term(Operand::GeneralRate, rate) * term(Operand::TotalReceipts, receipts));
    if (withNote)
        recorder.note(F::St1Line4b, StepNote::OnTime);
}
} // namespace

TEST(CalculationSteps, SameStepsOnlyWhenEveryStepTermAndValueIsTheSame) {
    CalculationSteps first;
    recordLine4b(first, 9594.75);
    const struct {
        const char* what;
        std::function<void(CalculationSteps&)> record;
        bool same;
    } cases[] = {
        {"the same", [](CalculationSteps& s) { recordLine4b(s, 9594.75); }, true},
        {"other receipts", [](CalculationSteps& s) { recordLine4b(s, 9594.76); }, false},
        {"another rate", [](CalculationSteps& s) { recordLine4b(s, 9594.75, 0.0725); }, false},
        {"a further step", [](CalculationSteps& s) { recordLine4b(s, 9594.75, 0.0625, true); },
         false},
        {"another operation",
         [](CalculationSteps& s) {
             const StepRecorder recorder(s);
             recorder.rounded(F::St1Line3, term(Operand::TotalReceipts, 9594.75) - number(20.0));
             recorder.rounded(F::St1Line4b, term(Operand::GeneralRate, 0.0625) /
                                                term(Operand::TotalReceipts, 9594.75));
         },
         false},
        {"other terms of the same result",
         [](CalculationSteps& s) {
             const StepRecorder recorder(s);
             recorder.rounded(F::St1Line3, term(Operand::TotalReceipts, 9594.75) - number(20.0));
             recorder.rounded(F::St1Line4b, term(Operand::GeneralRate, 0.125) *
                                                term(Operand::TotalReceipts, 9594.75 / 2));
         },
         false},
        {"no steps", [](CalculationSteps&) {}, false},
    };
    for (const auto& c : cases) {
        CalculationSteps other;
        c.record(other);
        EXPECT_EQ(first.sameSteps(F::St1Line4b, other), c.same) << c.what;
        EXPECT_EQ(other.sameSteps(F::St1Line4b, first), c.same) << c.what;
    }
    // Line 3 does not use the rate: its steps stay the same with another rate.
    CalculationSteps otherRate;
    recordLine4b(otherRate, 9594.75, 0.0725);
    EXPECT_TRUE(first.sameSteps(F::St1Line3, otherRate));
}

TEST(CalculationSteps, ZerosOfOtherSignsAreNotTheSameSteps) {
    CalculationSteps positive;
    CalculationSteps negative;
    StepRecorder(positive).value(F::St1Line15, term(Operand::TotalReceipts, 0.0));
    StepRecorder(negative).value(F::St1Line15, term(Operand::TotalReceipts, -0.0));
    EXPECT_FALSE(positive.sameSteps(F::St1Line15, negative));
}
