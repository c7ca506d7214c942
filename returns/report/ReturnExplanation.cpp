#include "returns/report/ReturnExplanation.h"

#include "platform/FixedText.h"
#include "returns/report/PreparedReturn.h"

#include <algorithm>
#include <array>

namespace {
using F = Figure;

// The preparer's description of items 9c, 16a and 16b, and the descriptions the worksheet
// gives items 16c and 16d.
QString itemDescription(Figure figure, const St1Worksheet& worksheet) {
    switch (figure) {
    case F::Item9c:
        return worksheet.otherServiceDescription;
    case F::Item16a:
        return worksheet.otherDeduction1Description;
    case F::Item16b:
        return worksheet.otherDeduction2Description;
    case F::Item16c:
        return worksheet.item16cDescription;
    case F::Item16d:
        return worksheet.item16dDescription;
    default:
        break;
    }
    return {};
}

// "Other deduction (Bad debts)", or the figure's description alone when it has no
// description of the preparer's.
QString describedLine(Figure figure, const QString& described) {
    QString description = QString::fromUtf8(figureInfo(figure).description);
    if (!described.isEmpty())
        description += QStringLiteral(" (%1)").arg(described);
    return description;
}

QString titled(Figure figure, const QString& described) {
    const FigureInfo& info = figureInfo(figure);
    if (*info.line == '\0' || info.form == FigureForm::Gasohol)
        return describedLine(figure, described);
    return QStringLiteral("%1 %2, %3")
        .arg(QString::fromLatin1(lineWord(info.form)), QString::fromLatin1(info.line),
             describedLine(figure, described));
}

// The title of each figure without a description of the preparer's, made once: a long
// return names the same lines many times.
const std::array<QString, kFigureCount>& fixedTitles() {
    static const std::array<QString, kFigureCount> titles = [] {
        std::array<QString, kFigureCount> all;
        for (int figure = 0; figure < kFigureCount; ++figure)
            all[size_t(figure)] = titled(Figure(figure), {});
        return all;
    }();
    return titles;
}

// Another location's part and the steps it was worded from: the locations of a return often
// have the same steps for many of their lines (every line of nothing entered, for one), whose
// words are then made once and shared.
struct EarlierPart {
    const ExplainedPart& part;
    const CalculationSteps& steps;
};

// The earlier words of each figure (none where the earlier part does not explain it).
using EarlierWords = std::array<std::optional<EarlierWording>, kFigureCount>;

EarlierWords earlierWords(const EarlierPart* earlier) {
    EarlierWords words;
    if (!earlier)
        return words;
    for (const ExplainedForm& form : earlier->part.forms) {
        for (const ExplainedLine& line : form.lines)
            words[size_t(line.figure)].emplace(earlier->steps, line.words);
    }
    return words;
}

ExplainedLine explainedLine(Figure figure, const CalculationSteps& steps,
                            const St1Worksheet& worksheet, const WordingContext& context,
                            const std::optional<EarlierWording>& earlier = std::nullopt) {
    return {figure, lineTitle(figure, worksheet),
            wordFigure(steps, figure, context, earlier ? &*earlier : nullptr)};
}

bool reached(Figure figure, const CalculationSteps& steps) {
    return figure == F::Rates ? steps.rates().has_value() : steps.explains(figure);
}

ExplainedForm explainedForm(FigureForm form, const CalculationSteps& steps,
                            const St1Worksheet& worksheet, const WordingContext& context,
                            const EarlierWords& earlier) {
    ExplainedForm explained{form, QString::fromLatin1(formName(form)), {}};
    explained.lines.reserve(formFigures(form).size());
    for (const FigureInfo& info : formFigures(form)) {
        if (reached(info.figure, steps))
            explained.lines.push_back(explainedLine(info.figure, steps, worksheet, context,
                                                    earlier[size_t(info.figure)]));
    }
    return explained;
}

// The forms a return (or a location's return) takes besides ST-1 and its worksheet.
std::vector<FigureForm> formsOf(const ClientRecord& client, bool withGasohol) {
    std::vector<FigureForm> forms = {FigureForm::Rates, FigureForm::St1, FigureForm::Worksheet};
    const std::vector<FigureForm> local = filedLocalForms(client);
    forms.insert(forms.end(), local.begin(), local.end());
    if (withGasohol)
        forms.push_back(FigureForm::Gasohol);
    return forms;
}

ExplainedPart explainedPart(QString title, int location, const std::vector<FigureForm>& forms,
                            const CalculationSteps& steps, const St1Worksheet& worksheet,
                            const WordingContext& context, const EarlierPart* earlier = nullptr) {
    ExplainedPart part{std::move(title), location, {}};
    const EarlierWords words = earlierWords(earlier);
    for (const FigureForm form : forms) {
        ExplainedForm explained = explainedForm(form, steps, worksheet, context, words);
        if (!explained.lines.empty())
            part.forms.push_back(std::move(explained));
    }
    return part;
}

// The forms of the return itself, or of the combined return.
std::vector<FigureForm> mainForms(const PreparedReturn& prepared) {
    if (prepared.multiSite())
        return {FigureForm::St1, FigureForm::Worksheet};
    const GasoholWorksheet& gasohol = prepared.record.gasoholWorksheet;
    return formsOf(prepared.record.client, gasohol.gallons > 0 || gasohol.receipts > 0);
}

// What the words of the return itself (or of the combined return) need.
WordingContext mainContext(const PreparedReturn& prepared) {
    WordingContext context;
    if (!prepared.multiSite())
        context.taxRecord = &prepared.record.client.taxRecord;
    for (int row = 0; row < int(prepared.locations.size()); ++row)
        context.locations << prepared.locationTitle(row).replace(QStringLiteral("Location "),
                                                                 QStringLiteral("location "));
    return context;
}

ReturnExplanation explainSingleSite(const PreparedReturn& prepared) {
    return {{explainedPart({}, -1, mainForms(prepared), prepared.steps, prepared.record.worksheet,
                           mainContext(prepared))}};
}

ReturnExplanation explainMultiSite(const PreparedReturn& prepared) {
    ReturnExplanation explanation;
    explanation.parts.push_back(explainedPart(QStringLiteral("Combined return"), -1,
                                              mainForms(prepared), prepared.steps,
                                              prepared.record.worksheet, mainContext(prepared)));
    const std::vector<FigureForm> forms = formsOf(prepared.record.client, false);
    explanation.parts.reserve(prepared.locations.size() + 1);
    for (int row = 0; row < int(prepared.locations.size()); ++row) {
        const LocationResult& location = prepared.locations[size_t(row)];
        WordingContext context;
        context.taxRecord = &location.location.taxRecord;
        const std::optional<EarlierPart> previous =
            row > 0 ? std::optional<EarlierPart>(
                          {explanation.parts.back(), prepared.locations[size_t(row) - 1].steps})
                    : std::nullopt;
        explanation.parts.push_back(explainedPart(prepared.locationTitle(row), row, forms,
                                                  location.steps, location.worksheet, context,
                                                  previous ? &*previous : nullptr));
    }
    return explanation;
}
} // namespace

QString lineDescription(Figure figure, const St1Worksheet& worksheet) {
    return describedLine(figure, itemDescription(figure, worksheet));
}

QString lineTitle(Figure figure, const St1Worksheet& worksheet) {
    const QString described = itemDescription(figure, worksheet);
    return described.isEmpty() ? fixedTitles()[size_t(figure)] : titled(figure, described);
}

QString ExplainedLine::amount() const {
    return figure == F::Rates ? QString() : figureValueText(figure, words.value);
}

const ExplainedLine* ReturnExplanation::find(Figure figure) const {
    if (parts.empty())
        return nullptr;
    for (const ExplainedForm& form : parts.front().forms) {
        for (const ExplainedLine& line : form.lines) {
            if (line.figure == figure)
                return &line;
        }
    }
    return nullptr;
}

ReturnExplanation explainReturn(const PreparedReturn& prepared) {
    return prepared.multiSite() ? explainMultiSite(prepared) : explainSingleSite(prepared);
}

std::optional<ExplainedLine> explainFigure(const PreparedReturn& prepared, Figure figure) {
    const std::vector<FigureForm> forms = mainForms(prepared);
    if (!reached(figure, prepared.steps) ||
        std::ranges::find(forms, figureInfo(figure).form) == forms.end())
        return std::nullopt;
    return explainedLine(figure, prepared.steps, prepared.record.worksheet, mainContext(prepared));
}
