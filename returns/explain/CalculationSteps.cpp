#include "returns/explain/CalculationSteps.h"

#include "returns/LocationRates.h"
#include "returns/explain/StepRecorder.h"

#include <algorithm>

namespace {
// Room for the steps of one return, so that recording allocates once.
constexpr std::size_t kTypicalTerms = 1024;
constexpr std::size_t kTypicalSteps = 512;
} // namespace

void CalculationSteps::clear() {
    terms_.clear();
    steps_.clear();
    rates_.reset();
    openSums_.clear();
}

bool CalculationSteps::explains(Figure figure) const {
    return std::ranges::any_of(steps_,
                               [figure](const Step& step) { return step.figure == figure; });
}

std::uint32_t CalculationSteps::addTerm(const StepTerm& term) {
    if (terms_.capacity() == 0)
        terms_.reserve(kTypicalTerms);
    terms_.push_back(term);
    return std::uint32_t(terms_.size() - 1);
}

void CalculationSteps::add(const Step& step) {
    if (steps_.capacity() == 0)
        steps_.reserve(kTypicalSteps);
    steps_.push_back(step);
}

void CalculationSteps::addToSum(Figure figure, int row, double added, double total) {
    if (openSums_.empty())
        openSums_.assign(kFigureCount, 0);
    const std::uint32_t leaf = addTerm({TermKind::Location, 0, std::uint16_t(row), 0, 0, added});
    std::uint32_t& open = openSums_[size_t(figure)];
    if (open == 0) {
        Step step;
        step.figure = figure;
        step.expression = leaf;
        step.result = total;
        add(step);
        open = std::uint32_t(steps_.size());
        return;
    }
    Step& step = steps_[open - 1];
    step.expression = addTerm({TermKind::Operation, '+', 0, step.expression, leaf, total});
    step.result = total;
}

void StepRecorder::rates(const LocationRates& rates) const {
    if (steps_)
        steps_->setRates(
            {rates.choice, rates.general, rates.food, rates.purchaseGeneral, rates.purchaseFood});
}
