#pragma once

#include "returns/RoundDollars.h"
#include "returns/explain/CalculationSteps.h"

#include <concepts>
#include <cstdint>

struct LocationRates;

// A term of an expression as recorded: where it went in the arena, and its value in the type
// the calculation computes it in.
template <typename Value>
struct WrittenTerm {
    std::uint32_t index;
    Value value;
};

// The expressions of the calculations are built from these terms. An expression evaluates
// exactly as the same C++ expression on the values would (same operations, same order, same
// types), so a calculation that goes through it computes the same result bit for bit, and
// when a recorder listens it also writes itself into the steps.
template <typename Expression>
concept StepExpression = requires(const Expression& expression, CalculationSteps& steps) {
    expression.evaluate();
    expression.write(steps);
};

template <typename Value>
struct StepLeaf {
    TermKind kind;
    std::uint16_t id;
    Value value;

    Value evaluate() const { return value; }
    WrittenTerm<Value> write(CalculationSteps& steps) const {
        return {steps.addTerm({kind, 0, id, 0, 0, double(value)}), value};
    }
};

template <char Operation, StepExpression Left, StepExpression Right>
struct StepOperation {
    Left left;
    Right right;

    static auto apply(auto a, auto b) {
        if constexpr (Operation == '+')
            return a + b;
        else if constexpr (Operation == '-')
            return a - b;
        else if constexpr (Operation == '*')
            return a * b;
        else
            return a / b;
    }
    auto evaluate() const { return apply(left.evaluate(), right.evaluate()); }
    auto write(CalculationSteps& steps) const {
        const auto a = left.write(steps);
        const auto b = right.write(steps);
        const auto value = apply(a.value, b.value);
        return WrittenTerm<decltype(value)>{
            steps.addTerm({TermKind::Operation, Operation, 0, a.index, b.index, double(value)}),
            value};
    }
};

template <StepExpression L, StepExpression R>
auto operator+(const L& left, const R& right) {
    return StepOperation<'+', L, R>{left, right};
}
template <StepExpression L, StepExpression R>
auto operator-(const L& left, const R& right) {
    return StepOperation<'-', L, R>{left, right};
}
template <StepExpression L, StepExpression R>
auto operator*(const L& left, const R& right) {
    return StepOperation<'*', L, R>{left, right};
}
template <StepExpression L, StepExpression R>
auto operator/(const L& left, const R& right) {
    return StepOperation<'/', L, R>{left, right};
}

// A named operand: an entry, a rate, an amount an earlier step handed on.
template <typename Value>
StepLeaf<Value> term(Operand operand, Value value) {
    return {TermKind::Operand, std::uint16_t(operand), value};
}
// Another figure's value.
template <typename Value>
StepLeaf<Value> term(Figure figure, Value value) {
    return {TermKind::Figure, std::uint16_t(figure), value};
}
template <typename Value>
StepLeaf<Value> number(Value value) {
    return {TermKind::Number, 0, value};
}

// What a calculation hands its steps to. A default recorder records nothing, and then every
// call costs the arithmetic alone and one test of a pointer.
class StepRecorder {
public:
    StepRecorder() = default;
    explicit StepRecorder(CalculationSteps& steps) : steps_(&steps) {}

    bool recording() const { return steps_ != nullptr; }

    // The figure's value is the expression's.
    template <StepExpression E>
    auto value(Figure figure, const E& expression) const {
        if (!steps_)
            return expression.evaluate();
        const auto written = expression.write(*steps_);
        Step step;
        step.figure = figure;
        step.expression = written.index;
        step.result = double(written.value);
        steps_->add(step);
        return written.value;
    }
    // An amount of the figure's calculation that later steps take as `name`.
    template <StepExpression E>
    double amount(Figure figure, Operand name, const E& expression) const {
        if (!steps_)
            return double(expression.evaluate());
        const auto written = expression.write(*steps_);
        Step step;
        step.figure = figure;
        step.named = true;
        step.name = name;
        step.expression = written.index;
        step.result = double(written.value);
        steps_->add(step);
        return double(written.value);
    }
    // The figure's value rounded to whole dollars.
    Dollars round(Figure figure, double amount) const {
        const Dollars whole = roundDollars(amount);
        if (steps_) {
            Step step;
            step.figure = figure;
            step.kind = StepKind::Round;
            step.result = double(whole);
            step.values[0] = amount;
            steps_->add(step);
        }
        return whole;
    }
    // The expression's value rounded to whole dollars.
    template <StepExpression E>
    Dollars rounded(Figure figure, const E& expression) const {
        return round(figure, double(value(figure, expression)));
    }
    void note(Figure figure, StepNote note, double first = 0, double second = 0, double third = 0,
              double fourth = 0) const {
        if (!steps_)
            return;
        Step step;
        step.figure = figure;
        step.kind = StepKind::Note;
        step.note = note;
        step.result = first;
        step.values[0] = second;
        step.values[1] = third;
        step.values[2] = fourth;
        steps_->add(step);
    }
    void rates(const LocationRates& rates) const;
    // A location's value of the figure added into the combined return, whose figure is then
    // `total`.
    void addToSum(Figure figure, int row, Dollars added, Dollars total) const {
        if (steps_)
            steps_->addToSum(figure, row, double(added), double(total));
    }

private:
    CalculationSteps* steps_ = nullptr;
};
