#include "returns/explain/StepWording.h"

#include "platform/FixedText.h"
#include "returns/explain/NumberText.h"
#include "returns/explain/WordsText.h"
#include "taxtables/TaxTableRecord.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
using F = Figure;

bool isWhole(double value) {
    return std::isfinite(value) && value == std::trunc(value);
}

QString lowered(const char* text) {
    QString lower = QString::fromUtf8(text);
    if (!lower.isEmpty() && !lower.startsWith(QLatin1String("ST-")) &&
        !lower.startsWith(QLatin1String("MPEA")))
        lower[0] = lower[0].toLower();
    return lower;
}

// The words that are the same in every explanation, made once: how an operand is named, and
// how a figure is referred to from a figure of its own form and from one of another form.
struct FixedWords {
    std::array<QString, kOperandCount> operandLabels;
    std::array<QString, kFigureCount> sameFormReferences;
    std::array<QString, kFigureCount> otherFormReferences;

    FixedWords() {
        for (int operand = 0; operand < kOperandCount; ++operand)
            operandLabels[size_t(operand)] = QString::fromUtf8(operandInfo(Operand(operand)).label);
        for (int figure = 0; figure < kFigureCount; ++figure) {
            const FigureInfo& info = figureInfo(Figure(figure));
            QString& same = sameFormReferences[size_t(figure)];
            QString& other = otherFormReferences[size_t(figure)];
            const QString line = QString::fromLatin1(info.line);
            if (*info.line == '\0' || info.form == FigureForm::Gasohol)
                same = other = lowered(info.description);
            else {
                same = QString::fromLatin1(lineWord(info.form)).toLower() + QLatin1Char(' ') + line;
                other = info.form == FigureForm::Worksheet
                            ? QStringLiteral("worksheet item ") + line
                            : QString::fromLatin1(formName(info.form)) + QStringLiteral(" line ") +
                                  line;
            }
        }
    }
};

const FixedWords& fixedWords() {
    static const FixedWords words;
    return words;
}

const QString& operandLabel(Operand operand) {
    return fixedWords().operandLabels[size_t(operand)];
}

void appendOperandValue(WordsText& text, Operand operand, double value) {
    switch (operandInfo(operand).style) {
    case OperandStyle::Money:
        NumberText::appendMoney(text, value);
        return;
    case OperandStyle::Dollars:
    case OperandStyle::Count:
        NumberText::appendWhole(text, value);
        return;
    case OperandStyle::PerGallon:
        text += QLatin1Char('$');
        NumberText::appendPlain(text, value);
        text += QLatin1String(" a gallon");
        return;
    case OperandStyle::Rate:
    case OperandStyle::Factor:
        break;
    }
    NumberText::appendPlain(text, value);
}

void appendFigureValue(WordsText& text, Figure figure, double value) {
    switch (figureInfo(figure).style) {
    case FigureStyle::Dollars:
    case FigureStyle::Count:
        if (isWhole(value))
            NumberText::appendWhole(text, value);
        else
            NumberText::appendMoney(text, value);
        return;
    case FigureStyle::Money:
        NumberText::appendMoney(text, value);
        return;
    case FigureStyle::Number:
        break;
    }
    NumberText::appendPlain(text, value);
}

const char* monthName(int month) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "?";
}

// The words of one figure's steps, written into one text as they are found: each sentence
// starts with a capital and ends with a point.
class Wording {
    // The terms of chains of additions being written, each with its sign; room for the longest
    // sums of a combined return.
    using Chain = QVarLengthArray<std::pair<char, std::uint32_t>, 64>;

public:
    Wording(const CalculationSteps& steps, Figure figure, const WordingContext& context)
        : steps_(steps), figure_(figure), context_(context) {}

    FigureWording word() {
        if (figure_ == F::Rates)
            wordRates();
        else
            wordSteps();
        result_.text = text_.toString();
        return std::move(result_);
    }

private:
    void wordSteps() {
        const Step* step = steps_.firstOf(figure_);
        const bool any = step != nullptr;
        while (step) {
            const Step* next = steps_.nextOf(*step);
            if (step->kind == StepKind::Compute && next && roundsResultOf(*next, *step)) {
                wordComputation(*step, next);
                next = steps_.nextOf(*next);
            } else if (step->kind == StepKind::Compute) {
                wordComputation(*step, nullptr);
            } else if (step->kind == StepKind::Round) {
                const qsizetype start = beginSentence();
                appendRounding(step->values[0], step->result);
                end(start, step->result);
            } else {
                wordNote(*step);
            }
            step = next;
        }
        if (figurePrinting(figure_) == FigurePrinting::Amount && result_.value <= 0 && any) {
            text_ += QLatin1Char(' ');
            text_ += QLatin1String(kPrintedBlank);
        }
    }

    static bool roundsResultOf(const Step& round, const Step& computation) {
        return round.kind == StepKind::Round && round.values[0] == computation.result;
    }

    // Where the sentence that follows starts in the text.
    qsizetype beginSentence() {
        if (!text_.isEmpty())
            text_ += QLatin1Char(' ');
        return text_.size();
    }
    void endSentence(qsizetype start) {
        if (start < text_.size())
            text_.capitalize(start);
        text_ += QLatin1Char('.');
    }
    // A sentence that ends with the figure's value.
    void end(qsizetype start, double value) {
        endSentence(start);
        result_.value = value;
    }
    template <typename Words>
    void sentence(Words words) {
        const qsizetype start = beginSentence();
        text_ += words;
        endSentence(start);
    }
    void end(QLatin1String words, double value) {
        sentence(words);
        result_.value = value;
    }

    // "6,855.17, rounded to 6,855".
    void appendRounding(double amount, double whole) {
        NumberText::appendMoney(text_, amount);
        text_ += QLatin1String(", rounded to ");
        NumberText::appendWhole(text_, whole);
    }

    const QString& reference(Figure other) const {
        const FixedWords& words = fixedWords();
        return figureInfo(other).form == figureInfo(figure_).form
                   ? words.sameFormReferences[size_t(other)]
                   : words.otherFormReferences[size_t(other)];
    }

    void appendLocation(int row) {
        if (row < context_.locations.size())
            text_ += context_.locations[row];
        else
            text_ += QStringLiteral("location %1").arg(row + 1);
    }

    // An entry's value, and the entry noted with its value as the words show it.
    void appendEntry(Operand operand, double value) {
        const qsizetype start = text_.size();
        appendOperandValue(text_, operand, value);
        result_.entries.push_back({operand, text_.sliced(start)});
    }

    void appendLeaf(const StepTerm& term) {
        switch (term.kind) {
        case TermKind::Operand: {
            const auto operand = Operand(term.id);
            text_ += operandLabel(operand);
            text_ += QLatin1Char(' ');
            if (isEntry(operand))
                appendEntry(operand, term.value);
            else
                appendOperandValue(text_, operand, term.value);
            return;
        }
        case TermKind::Figure:
            text_ += reference(Figure(term.id));
            text_ += QLatin1Char(' ');
            appendFigureValue(text_, Figure(term.id), term.value);
            return;
        case TermKind::Location:
            appendLocation(term.id);
            text_ += QLatin1Char(' ');
            appendFigureValue(text_, figure_, term.value);
            return;
        case TermKind::Number:
        case TermKind::Operation:
            break;
        }
        NumberText::appendPlain(text_, term.value);
    }

    static bool additive(const StepTerm& term) {
        return term.kind == TermKind::Operation && (term.operation == '+' || term.operation == '-');
    }

    static QStringView symbol(char operation) {
        switch (operation) {
        case '+':
            return u" + ";
        case '-':
            return u" \u2212 ";
        case '*':
            return u" \u00d7 ";
        default:
            break;
        }
        return u" \u00f7 ";
    }

    // A chain of additions and subtractions from the left: its first term and each later one
    // with its sign, added to `chain`.
    void flatten(std::uint32_t index, Chain& chain) const {
        const StepTerm& term = steps_.term(index);
        if (!additive(term)) {
            chain.push_back({'+', index});
            return;
        }
        flatten(term.left, chain);
        chain.push_back({term.operation, term.right});
    }

    // A long chain leaves out its terms of 0 (the worksheet's total, a combined return's sums)
    // so the words name what counts, and says so at the outermost level. The chains of the
    // terms inside it follow its own in `chain_`.
    void appendAdditiveChain(std::uint32_t index, bool outermost) {
        constexpr size_t kShortChain = 3;
        const size_t first = chain_.size();
        flatten(index, chain_);
        const size_t last = chain_.size();
        const auto zero = [this](std::uint32_t term) { return steps_.term(term).value == 0; };
        const bool dropZeros = last - first > kShortChain;
        const bool allZero = std::all_of(chain_.begin() + qsizetype(first), chain_.end(),
                                         [&](const auto& part) { return zero(part.second); });
        bool written = false;
        bool dropped = false;
        for (size_t at = first; at < last; ++at) {
            const auto [operation, term] = chain_[at];
            if (dropZeros && zero(term) && !(allZero && !written)) {
                dropped = true;
                continue;
            }
            if (!written && operation == '-')
                text_ += u'\u2212';
            else if (written)
                text_ += symbol(operation);
            appendExpression(term, 1, written || operation == '-');
            written = true;
        }
        chain_.resize(first);
        if (dropped && outermost)
            text_ += QLatin1String(" (the other terms are 0)");
    }

    void appendExpression(std::uint32_t index, int outerPrecedence = 0, bool rightSide = false) {
        const StepTerm& term = steps_.term(index);
        if (term.kind != TermKind::Operation) {
            appendLeaf(term);
            return;
        }
        const int precedence = additive(term) ? 1 : 2;
        const bool enclosed =
            precedence < outerPrecedence || (rightSide && precedence == outerPrecedence);
        if (enclosed)
            text_ += QLatin1Char('(');
        if (precedence == 1) {
            appendAdditiveChain(index, outerPrecedence == 0);
        } else {
            appendExpression(term.left, precedence, false);
            text_ += symbol(term.operation);
            appendExpression(term.right, precedence, true);
        }
        if (enclosed)
            text_ += QLatin1Char(')');
    }

    void wordSingleTerm(const StepTerm& term, const Step* round) {
        const qsizetype start = beginSentence();
        if (term.kind == TermKind::Operand && isEntry(Operand(term.id))) {
            const auto operand = Operand(term.id);
            text_ += operandLabel(operand);
            text_ += QLatin1String(" as entered");
            if (operandInfo(operand).style == OperandStyle::Dollars)
                text_ += QLatin1String(", in whole dollars");
            const bool rounded = round && round->result != term.value;
            text_ += rounded ? QLatin1String(", ") : QLatin1String(": ");
            appendEntry(operand, term.value);
            if (rounded) {
                text_ += QLatin1String(", rounded to ");
                NumberText::appendWhole(text_, round->result);
            }
            end(start, round ? round->result : term.value);
            return;
        }
        if (term.kind == TermKind::Figure) {
            text_ += QLatin1String("equal to ");
            text_ += reference(Figure(term.id));
        } else if (term.kind == TermKind::Location) {
            appendLocation(term.id);
        } else if (term.kind == TermKind::Operand) {
            text_ += operandLabel(Operand(term.id));
        } else {
            text_ += QLatin1String("fixed");
        }
        text_ += QLatin1String(": ");
        appendFigureValue(text_, figure_, term.value);
        end(start, term.value);
    }

    void wordComputation(const Step& step, const Step* round) {
        const StepTerm& root = steps_.term(step.expression);
        if (root.kind != TermKind::Operation) {
            wordSingleTerm(root, round);
            return;
        }
        const qsizetype start = beginSentence();
        if (!round) {
            if (step.named) {
                text_ += operandLabel(step.name);
                text_ += QLatin1String(": ");
            }
            appendExpression(step.expression);
            text_ += QLatin1String(" = ");
            if (step.named)
                appendOperandValue(text_, step.name, step.result);
            else
                appendFigureValue(text_, figure_, step.result);
            end(start, step.result);
            return;
        }
        appendExpression(step.expression);
        text_ += QLatin1String(" = ");
        if (isWhole(step.result) && step.result == round->result)
            NumberText::appendWhole(text_, round->result);
        else
            appendRounding(step.result, round->result);
        end(start, round->result);
    }

    QLatin1String taxRateOfForm() const {
        return figureInfo(figure_).form == FigureForm::St14 ? QLatin1String("3 %")
                                                            : QLatin1String("1 %");
    }

    // "Check: lines 4a + 5a + 6a + 7a + 8a = 9,595": how a check of the bases starts.
    qsizetype beginBasesCheck(double sum) {
        const qsizetype start = beginSentence();
        text_ += QLatin1String("Check: lines 4a + 5a + 6a + 7a + 8a = ");
        NumberText::appendWhole(text_, sum);
        return start;
    }

    void wordBasesCheck(const Step& step) {
        const qsizetype start = beginBasesCheck(step.result);
        if (step.note == StepNote::BasesDoNotAddUp) {
            text_ += QLatin1String(", but line 3 is ");
            NumberText::appendWhole(text_, step.values[0]);
            text_ += QLatin1String(". They differ by more than one dollar, so the return cannot "
                                   "be completed until the entries are corrected");
            endSentence(start);
            return;
        }
        if (step.note == StepNote::BasesMatch) {
            text_ += QLatin1String(", which is line 3, so line 4a stays ");
        } else {
            const bool less = step.values[2] > 0;
            text_ += less ? QLatin1String(", one dollar less than line 3 (")
                          : QLatin1String(", one dollar more than line 3 (");
            NumberText::appendWhole(text_, step.values[0]);
            text_ += less ? QLatin1String("), so line 4a is corrected by +1 to ")
                          : QLatin1String("), so line 4a is corrected by -1 to ");
        }
        NumberText::appendWhole(text_, step.values[1]);
        end(start, step.values[1]);
    }

    void wordNote(const Step& step) {
        switch (step.note) {
        case StepNote::OnTime:
            sentence(QLatin1String("The return is filed and paid on time, so the retailer's "
                                   "discount of 1.75 % applies"));
            break;
        case StepNote::Late:
            end(QLatin1String("The return is late (not filed and paid on time), so it gets no "
                              "retailer's discount: 0"),
                0);
            break;
        case StepNote::BasesMatch:
        case StepNote::BasesCorrected:
        case StepNote::BasesDoNotAddUp:
            wordBasesCheck(step);
            break;
        case StepNote::NothingSold:
            end(QLatin1String("No gallons and no receipts were entered for this fuel, so it "
                              "has no exemption: 0"),
                0);
            break;
        case StepNote::NetBelowZero: {
            const qsizetype start = beginSentence();
            text_ += QLatin1String("The net (");
            NumberText::appendMoney(text_, step.result);
            text_ += QLatin1String(") is below zero and counts as ");
            appendFigureValue(text_, figure_, 0);
            end(start, 0);
            break;
        }
        case StepNote::TotalMethod: {
            const qsizetype start = beginSentence();
            text_ += QLatin1String("Method 1: the amount entered includes the ");
            text_ += taxRateOfForm();
            text_ += QLatin1String(" tax");
            endSentence(start);
            break;
        }
        case StepNote::TaxableMethod:
            sentence(QLatin1String("Method 2: the amount entered is the taxable amount"));
            break;
        case StepNote::AllTaxesMethod:
            sentence(figureInfo(figure_).form == FigureForm::St14
                         ? QLatin1String("Method 3: the amount entered includes the soft drink "
                                         "tax, the sales tax and any MPEA tax")
                         : QLatin1String("Method 3: the amount entered includes every tax; the "
                                         "soft drink tax of ST-14 comes off first"));
            break;
        case StepNote::MpeaIncluded:
            sentence(step.result != 0
                         ? QLatin1String("An MPEA amount was entered, so the MPEA tax is part of "
                                         "the divisor")
                         : QLatin1String("No MPEA amount was entered, so the divisor has no "
                                         "MPEA tax"));
            break;
        case StepNote::NoServiceSales:
            end(QLatin1String("No step of the return enters taxes collected on service sales: 0"),
                0);
            break;
        case StepNote::RatePercent: {
            const qsizetype start = beginSentence();
            text_ += QLatin1String("The location's general rate in the rate table, in percent: ");
            NumberText::appendPlain(text_, step.result);
            end(start, step.result);
            break;
        }
        case StepNote::LocationSum:
            sentence(QLatin1String("No line of the combined return is computed again: its "
                                   "discount is the sum of the locations' own discounts"));
            break;
        case StepNote::None:
            break;
        }
    }

    // "Location 076-5000-9 (OAK PARK, COUNTY)" from the rate table line, or "The location".
    void appendLocationOfRates() {
        const TaxTableRecord* table = context_.taxRecord;
        if (!table) {
            text_ += QLatin1String("The location");
            return;
        }
        const auto text = [](const auto& field) {
            return QString::fromLatin1(FixedText::view(field).data(),
                                       qsizetype(FixedText::view(field).size()))
                .trimmed();
        };
        text_ += QLatin1String("Location ");
        text_ += text(table->locationCode);
        text_ += QLatin1String(" (");
        text_ += text(table->locationName);
        text_ += QLatin1String(", ");
        text_ += text(table->countyName);
        text_ += QLatin1Char(')');
    }

    // "Location ... uses its current rates: general 0.0625, food 0.01, ...".
    void wordRateSet(const RateStep& rates) {
        const qsizetype start = beginSentence();
        appendLocationOfRates();
        text_ += rates.choice.set == RateSet::Current ? QLatin1String(" uses its current rates: ")
                                                      : QLatin1String(" uses its prior rates: ");
        const std::pair<const char*, double> named[] = {
            {"general ", rates.general},
            {", food ", rates.food},
            {", general merchandise purchases ", rates.purchaseGeneral},
            {" and food purchases ", rates.purchaseFood}};
        for (const auto& [name, rate] : named) {
            text_ += QLatin1String(name);
            NumberText::appendPlain(text_, rate);
        }
        endSentence(start);
    }

    void wordRates() {
        const std::optional<RateStep>& rates = steps_.rates();
        if (!rates)
            return;
        wordRateSet(*rates);
        const RateSetChoice& choice = rates->choice;
        const bool current = choice.set == RateSet::Current;
        if (!choice.dateRule) {
            sentence(QLatin1String("The period lies in the same half of the year as today, so "
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
    WordsText text_;
    Chain chain_;
};
} // namespace

QString figureValueText(Figure figure, double value) {
    WordsText text;
    appendFigureValue(text, figure, value);
    return text.toString();
}

FigureWording wordFigure(const CalculationSteps& steps, Figure figure,
                         const WordingContext& context, const EarlierWording* earlier) {
    // The words of the rates name the location, so they are never another location's.
    if (earlier && figure != F::Rates && steps.sameSteps(figure, earlier->steps))
        return earlier->words;
    return Wording(steps, figure, context).word();
}
