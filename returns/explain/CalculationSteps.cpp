#include "returns/explain/CalculationSteps.h"

#include "returns/LocationRates.h"
#include "returns/explain/StepRecorder.h"

#include <algorithm>
#include <bit>

namespace {
// Room for the steps of one return, so that recording allocates once.
constexpr std::size_t kTypicalTerms = 1024;
constexpr std::size_t kTypicalSteps = 512;

// The same number to the bit, so that even a zero's sign is the same.
bool sameValue(double one, double other) {
    return std::bit_cast<std::uint64_t>(one) == std::bit_cast<std::uint64_t>(other);
}

// The same step but for its terms.
bool sameStep(const Step& one, const Step& other) {
    return one.kind == other.kind && one.note == other.note && one.named == other.named &&
           one.name == other.name && sameValue(one.result, other.result) &&
           std::ranges::equal(one.values, other.values, sameValue);
}
} // namespace

void CalculationSteps::clear() {
    terms_.clear();
    steps_.clear();
    rates_.reset();
    openSums_.clear();
    firstOfFigure_.clear();
    lastOfFigure_.clear();
    nextOfFigure_.clear();
}

bool CalculationSteps::explains(Figure figure) const {
    return !firstOfFigure_.empty() && firstOfFigure_[size_t(figure)] != 0;
}

const Step* CalculationSteps::firstOf(Figure figure) const {
    if (firstOfFigure_.empty() || firstOfFigure_[size_t(figure)] == 0)
        return nullptr;
    return &steps_[firstOfFigure_[size_t(figure)] - 1];
}

const Step* CalculationSteps::nextOf(const Step& step) const {
    const std::uint32_t next = nextOfFigure_[size_t(&step - steps_.data())];
    return next == 0 ? nullptr : &steps_[next - 1];
}

bool CalculationSteps::sameSteps(Figure figure, const CalculationSteps& other) const {
    const Step* step = firstOf(figure);
    const Step* otherStep = other.firstOf(figure);
    for (; step && otherStep; step = nextOf(*step), otherStep = other.nextOf(*otherStep)) {
        if (!sameStep(*step, *otherStep) ||
            (step->kind == StepKind::Compute &&
             !sameTerms(step->expression, other, otherStep->expression)))
            return false;
    }
    return step == nullptr && otherStep == nullptr;
}

bool CalculationSteps::sameTerms(std::uint32_t index, const CalculationSteps& other,
                                 std::uint32_t otherIndex) const {
    const StepTerm& one = terms_[index];
    const StepTerm& another = other.terms_[otherIndex];
    if (one.kind != another.kind || one.operation != another.operation || one.id != another.id ||
        !sameValue(one.value, another.value))
        return false;
    return one.kind != TermKind::Operation ||
           (sameTerms(one.left, other, another.left) && sameTerms(one.right, other, another.right));
}

std::uint32_t CalculationSteps::addTerm(const StepTerm& term) {
    if (terms_.capacity() == 0)
        terms_.reserve(kTypicalTerms);
    terms_.push_back(term);
    return std::uint32_t(terms_.size() - 1);
}

void CalculationSteps::add(const Step& step) {
    if (steps_.capacity() == 0) {
        steps_.reserve(kTypicalSteps);
        nextOfFigure_.reserve(kTypicalSteps);
    }
    if (firstOfFigure_.empty()) {
        firstOfFigure_.assign(kFigureCount, 0);
        lastOfFigure_.assign(kFigureCount, 0);
    }
    steps_.push_back(step);
    nextOfFigure_.push_back(0);
    const auto added = std::uint32_t(steps_.size());
    std::uint32_t& last = lastOfFigure_[size_t(step.figure)];
    (last == 0 ? firstOfFigure_[size_t(step.figure)] : nextOfFigure_[last - 1]) = added;
    last = added;
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
