#include "returns/explain/StepWording.h"

#include "platform/FixedText.h"
#include "returns/explain/NumberText.h"
#include "taxtables/TaxTableRecord.h"

#include <algorithm>
#include <cmath>

namespace {
using F = Figure;

bool isWhole(double value) {
    return std::isfinite(value) && value == std::trunc(value);
}

QString capitalized(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString lowered(const char* text) {
    QString lower = QString::fromUtf8(text);
    if (!lower.isEmpty() && !lower.startsWith(QLatin1String("ST-")) &&
        !lower.startsWith(QLatin1String("MPEA")))
        lower[0] = lower[0].toLower();
    return lower;
}

QString operandValue(Operand operand, double value) {
    switch (operandInfo(operand).style) {
    case OperandStyle::Money:
        return NumberText::money(value);
    case OperandStyle::Dollars:
    case OperandStyle::Count:
        return NumberText::whole(value);
    case OperandStyle::PerGallon:
        return QLatin1Char('$') + NumberText::plain(value) + QStringLiteral(" a gallon");
    case OperandStyle::Rate:
    case OperandStyle::Factor:
        break;
    }
    return NumberText::plain(value);
}

const char* monthName(int month) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "?";
}

// The words of one figure's steps.
class Wording {
public:
    Wording(const CalculationSteps& steps, Figure figure, const WordingContext& context)
        : steps_(steps), figure_(figure), context_(context) {}

    FigureWording word() {
        if (figure_ == F::Rates) {
            wordRates();
            return result_;
        }
        const std::vector<const Step*> own = steps_.stepsOf(figure_);
        for (size_t index = 0; index < own.size(); ++index) {
            const Step& step = *own[index];
            const Step* next = index + 1 < own.size() ? own[index + 1] : nullptr;
            if (step.kind == StepKind::Compute && next && roundsResultOf(*next, step)) {
                wordComputation(step, next);
                ++index;
            } else if (step.kind == StepKind::Compute) {
                wordComputation(step, nullptr);
            } else if (step.kind == StepKind::Round) {
                end(NumberText::money(step.values[0]) + QStringLiteral(", rounded to ") +
                        NumberText::whole(step.result),
                    step.result);
            } else {
                wordNote(step);
            }
        }
        if (figurePrinting(figure_) == FigurePrinting::Amount && result_.value <= 0 && !own.empty())
            result_.text += QLatin1Char(' ') + QString::fromLatin1(kPrintedBlank);
        return result_;
    }

private:
    static bool roundsResultOf(const Step& round, const Step& computation) {
        return round.kind == StepKind::Round && round.values[0] == computation.result;
    }

    void sentence(const QString& text) {
        if (!result_.text.isEmpty())
            result_.text += QLatin1Char(' ');
        result_.text += capitalized(text) + QLatin1Char('.');
    }
    // A sentence that ends with the figure's value.
    void end(const QString& text, double value) {
        sentence(text);
        result_.value = value;
    }

    QString reference(Figure other) const {
        const FigureInfo& info = figureInfo(other);
        if (*info.line == '\0' || info.form == FigureForm::Gasohol)
            return lowered(info.description);
        const QString line = QString::fromLatin1(info.line);
        if (info.form == figureInfo(figure_).form)
            return QString::fromLatin1(lineWord(info.form)).toLower() + QLatin1Char(' ') + line;
        if (info.form == FigureForm::Worksheet)
            return QStringLiteral("worksheet item ") + line;
        return QString::fromLatin1(formName(info.form)) + QStringLiteral(" line ") + line;
    }

    QString location(int row) const {
        return row < context_.locations.size() ? context_.locations[row]
                                               : QStringLiteral("location %1").arg(row + 1);
    }

    QString leaf(const StepTerm& term) {
        switch (term.kind) {
        case TermKind::Operand: {
            const auto operand = Operand(term.id);
            const QString shown = operandValue(operand, term.value);
            if (isEntry(operand))
                result_.entries.push_back({operand, shown});
            return QString::fromUtf8(operandInfo(operand).label) + QLatin1Char(' ') + shown;
        }
        case TermKind::Figure:
            return reference(Figure(term.id)) + QLatin1Char(' ') +
                   figureValueText(Figure(term.id), term.value);
        case TermKind::Location:
            return location(term.id) + QLatin1Char(' ') + figureValueText(figure_, term.value);
        case TermKind::Number:
        case TermKind::Operation:
            break;
        }
        return NumberText::plain(term.value);
    }

    static bool additive(const StepTerm& term) {
        return term.kind == TermKind::Operation && (term.operation == '+' || term.operation == '-');
    }

    static QString symbol(char operation) {
        switch (operation) {
        case '+':
            return QStringLiteral(" + ");
        case '-':
            return QStringLiteral(" \u2212 ");
        case '*':
            return QStringLiteral(" \u00d7 ");
        default:
            break;
        }
        return QStringLiteral(" \u00f7 ");
    }

    // A chain of additions and subtractions from the left: its first term and each later one
    // with its sign.
    void flatten(std::uint32_t index, std::vector<std::pair<char, std::uint32_t>>& chain) const {
        const StepTerm& term = steps_.term(index);
        if (!additive(term)) {
            chain.push_back({'+', index});
            return;
        }
        flatten(term.left, chain);
        chain.push_back({term.operation, term.right});
    }

    // A long chain leaves out its terms of 0 (the worksheet's total, a combined return's sums)
    // so the words name what counts, and says so at the outermost level.
    QString additiveChain(std::uint32_t index, bool outermost) {
        constexpr size_t kShortChain = 3;
        std::vector<std::pair<char, std::uint32_t>> chain;
        flatten(index, chain);
        const auto zero = [this](std::uint32_t term) { return steps_.term(term).value == 0; };
        const bool dropZeros = chain.size() > kShortChain;
        const bool allZero =
            std::ranges::all_of(chain, [&](const auto& part) { return zero(part.second); });
        QString text;
        bool dropped = false;
        for (const auto& [operation, term] : chain) {
            if (dropZeros && zero(term) && !(allZero && text.isEmpty())) {
                dropped = true;
                continue;
            }
            if (text.isEmpty())
                text = (operation == '-' ? QStringLiteral("\u2212") : QString()) +
                       expression(term, 1, operation == '-');
            else
                text += symbol(operation) + expression(term, 1, true);
        }
        if (dropped && outermost)
            text += QStringLiteral(" (the other terms are 0)");
        return text;
    }

    QString expression(std::uint32_t index, int outerPrecedence = 0, bool rightSide = false) {
        const StepTerm& term = steps_.term(index);
        if (term.kind != TermKind::Operation)
            return leaf(term);
        const int precedence = additive(term) ? 1 : 2;
        const QString text = precedence == 1 ? additiveChain(index, outerPrecedence == 0)
                                             : expression(term.left, precedence, false) +
                                                   symbol(term.operation) +
                                                   expression(term.right, precedence, true);
        const bool enclosed =
            precedence < outerPrecedence || (rightSide && precedence == outerPrecedence);
        return enclosed ? QLatin1Char('(') + text + QLatin1Char(')') : text;
    }

    void wordSingleTerm(const StepTerm& term, const Step* round) {
        const QString value = figureValueText(figure_, term.value);
        QString start;
        if (term.kind == TermKind::Operand && isEntry(Operand(term.id))) {
            const auto operand = Operand(term.id);
            const QString shown = operandValue(operand, term.value);
            result_.entries.push_back({operand, shown});
            start = QString::fromUtf8(operandInfo(operand).label) + QStringLiteral(" as entered");
            if (operandInfo(operand).style == OperandStyle::Dollars)
                start += QStringLiteral(", in whole dollars");
            if (round && round->result != term.value) {
                end(start + QStringLiteral(", ") + shown + QStringLiteral(", rounded to ") +
                        NumberText::whole(round->result),
                    round->result);
                return;
            }
            end(start + QStringLiteral(": ") + shown, round ? round->result : term.value);
            return;
        }
        if (term.kind == TermKind::Figure)
            start = QStringLiteral("equal to ") + reference(Figure(term.id));
        else if (term.kind == TermKind::Location)
            start = location(term.id);
        else if (term.kind == TermKind::Operand)
            start = QString::fromUtf8(operandInfo(Operand(term.id)).label);
        else
            start = QStringLiteral("fixed");
        end(start + QStringLiteral(": ") + value, term.value);
    }

    void wordComputation(const Step& step, const Step* round) {
        const StepTerm& root = steps_.term(step.expression);
        if (root.kind != TermKind::Operation) {
            wordSingleTerm(root, round);
            return;
        }
        const QString formula = expression(step.expression);
        if (!round) {
            const QString value = step.named ? operandValue(step.name, step.result)
                                             : figureValueText(figure_, step.result);
            const QString name =
                step.named ? QString::fromUtf8(operandInfo(step.name).label) + QStringLiteral(": ")
                           : QString();
            end(name + formula + QStringLiteral(" = ") + value, step.result);
            return;
        }
        if (isWhole(step.result) && step.result == round->result) {
            end(formula + QStringLiteral(" = ") + NumberText::whole(round->result), round->result);
            return;
        }
        end(formula + QStringLiteral(" = ") + NumberText::money(step.result) +
                QStringLiteral(", rounded to ") + NumberText::whole(round->result),
            round->result);
    }

    QString taxRateOfForm() const {
        return figureInfo(figure_).form == FigureForm::St14 ? QStringLiteral("3 %")
                                                            : QStringLiteral("1 %");
    }

    void wordNote(const Step& step) {
        const QString first = NumberText::whole(step.result);
        const QString line3 = NumberText::whole(step.values[0]);
        const QString line4a = NumberText::whole(step.values[1]);
        switch (step.note) {
        case StepNote::OnTime:
            sentence(QStringLiteral("The return is filed and paid on time, so the retailer's "
                                    "discount of 1.75 % applies"));
            break;
        case StepNote::Late:
            end(QStringLiteral("The return is late (not filed and paid on time), so it gets no "
                               "retailer's discount: 0"),
                0);
            break;
        case StepNote::BasesMatch:
            end(QStringLiteral("Check: lines 4a + 5a + 6a + 7a + 8a = %1, which is line 3, so "
                               "line 4a stays %2")
                    .arg(first, line4a),
                step.values[1]);
            break;
        case StepNote::BasesCorrected:
            end(QStringLiteral("Check: lines 4a + 5a + 6a + 7a + 8a = %1, one dollar %2 than "
                               "line 3 (%3), so line 4a is corrected by %4 to %5")
                    .arg(first,
                         step.values[2] > 0 ? QStringLiteral("less") : QStringLiteral("more"),
                         line3, step.values[2] > 0 ? QStringLiteral("+1") : QStringLiteral("-1"),
                         line4a),
                step.values[1]);
            break;
        case StepNote::BasesDoNotAddUp:
            sentence(QStringLiteral("Check: lines 4a + 5a + 6a + 7a + 8a = %1, but line 3 is %2. "
                                    "They differ by more than one dollar, so the return cannot "
                                    "be completed until the entries are corrected")
                         .arg(first, line3));
            break;
        case StepNote::NothingSold:
            end(QStringLiteral("No gallons and no receipts were entered for this fuel, so it "
                               "has no exemption: 0"),
                0);
            break;
        case StepNote::NetBelowZero:
            end(QStringLiteral("The net (%1) is below zero and counts as %2")
                    .arg(NumberText::money(step.result), figureValueText(figure_, 0)),
                0);
            break;
        case StepNote::TotalMethod:
            sentence(QStringLiteral("Method 1: the amount entered includes the %1 tax")
                         .arg(taxRateOfForm()));
            break;
        case StepNote::TaxableMethod:
            sentence(QStringLiteral("Method 2: the amount entered is the taxable amount"));
            break;
        case StepNote::AllTaxesMethod:
            sentence(figureInfo(figure_).form == FigureForm::St14
                         ? QStringLiteral("Method 3: the amount entered includes the soft drink "
                                          "tax, the sales tax and any MPEA tax")
                         : QStringLiteral("Method 3: the amount entered includes every tax; the "
                                          "soft drink tax of ST-14 comes off first"));
            break;
        case StepNote::MpeaIncluded:
            sentence(step.result != 0
                         ? QStringLiteral("An MPEA amount was entered, so the MPEA tax is part of "
                                          "the divisor")
                         : QStringLiteral("No MPEA amount was entered, so the divisor has no "
                                          "MPEA tax"));
            break;
        case StepNote::NoServiceSales:
            end(QStringLiteral("No step of the return enters taxes collected on service sales: 0"),
                0);
            break;
        case StepNote::RatePercent:
            end(QStringLiteral("The location's general rate in the rate table, in percent: %1")
                    .arg(NumberText::plain(step.result)),
                step.result);
            break;
        case StepNote::LocationSum:
            sentence(QStringLiteral("No line of the combined return is computed again: its "
                                    "discount is the sum of the locations' own discounts"));
            break;
        case StepNote::None:
            break;
        }
    }

    QString locationOfRates() const {
        const TaxTableRecord* table = context_.taxRecord;
        if (!table)
            return QStringLiteral("The location");
        const auto text = [](const auto& field) {
            return QString::fromLatin1(FixedText::view(field).data(),
                                       qsizetype(FixedText::view(field).size()))
                .trimmed();
        };
        return QStringLiteral("Location %1 (%2, %3)")
            .arg(text(table->locationCode), text(table->locationName), text(table->countyName));
    }

    void wordRates() {
        const std::optional<RateStep>& rates = steps_.rates();
        if (!rates)
            return;
        const RateSetChoice& choice = rates->choice;
        const bool current = choice.set == RateSet::Current;
        sentence(QStringLiteral("%1 uses its %2 rates: general %3, food %4, general merchandise "
                                "purchases %5 and food purchases %6")
                     .arg(locationOfRates(),
                          current ? QStringLiteral("current") : QStringLiteral("prior"),
                          NumberText::plain(rates->general), NumberText::plain(rates->food),
                          NumberText::plain(rates->purchaseGeneral),
                          NumberText::plain(rates->purchaseFood)));
        if (!choice.dateRule) {
            sentence(QStringLiteral("The period lies in the same half of the year as today, so "
                                    "no date rule applies and the current rates are used"));
            return;
        }
        const QString since = QStringLiteral("%1 %2")
                                  .arg(QString::fromLatin1(monthName(choice.countsFromMonth)))
                                  .arg(choice.countsFromYear);
        sentence(QStringLiteral("The period calls for the six-month date rule (it lies in the "
                                "other half of the year than today, or the return is annual)"));
        const QString distance =
            choice.monthsSince >= 0
                ? QStringLiteral("%1 months before this month").arg(choice.monthsSince)
                : QStringLiteral("still %1 months ahead").arg(-choice.monthsSince);
        sentence(QStringLiteral("The current rates took effect on %1/%2/%3 and count from %4, "
                                "%5: %6")
                     .arg(choice.effectiveMonth)
                     .arg(choice.effectiveDay)
                     .arg(choice.effectiveYear)
                     .arg(since, distance,
                          current ? QStringLiteral("six months or more have passed, so the "
                                                   "current rates apply")
                                  : QStringLiteral("fewer than six months have passed, so the "
                                                   "prior rates still apply")));
    }

    const CalculationSteps& steps_;
    const Figure figure_;
    const WordingContext& context_;
    FigureWording result_;
};
} // namespace

QString figureValueText(Figure figure, double value) {
    switch (figureInfo(figure).style) {
    case FigureStyle::Dollars:
    case FigureStyle::Count:
        return isWhole(value) ? NumberText::whole(value) : NumberText::money(value);
    case FigureStyle::Money:
        return NumberText::money(value);
    case FigureStyle::Number:
        break;
    }
    return NumberText::plain(value);
}

FigureWording wordFigure(const CalculationSteps& steps, Figure figure,
                         const WordingContext& context) {
    return Wording(steps, figure, context).word();
}
