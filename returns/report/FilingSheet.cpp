#include "returns/report/FilingSheet.h"

#include "platform/FixedText.h"
#include "returns/report/ElectronicFiling.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/PrintedLines.h"
#include "returns/report/ReturnDataCsv.h"
#include "returns/report/ReturnExplanation.h"

namespace {
template <std::size_t N>
QString text(const char (&field)[N]) {
    const std::string_view view = FixedText::view(field);
    return QString::fromLatin1(view.data(), qsizetype(view.size()));
}

FilingSection returnSection(const PreparedReturn& prepared) {
    const ReturnRecord& record = prepared.record;
    FilingSection section{
        QStringLiteral("Return"),
        {{QStringLiteral("Period"), record.texts.periodText},
         {QStringLiteral("Due date"), record.texts.dueDateText},
         {QStringLiteral("Account ID (IBT number)"), text(record.client.ibtNumber)}}};
    if (!prepared.multiSite())
        section.fields.push_back(
            {QStringLiteral("Location code"), text(record.client.locationCode)});
    return section;
}

// The section of a form, or of a location's own form.
FilingSection formSection(const PreparedReturn& prepared, const PrintedLine& line) {
    FilingSection section;
    section.form = pageName(line.page);
    section.title = section.form;
    if (line.location >= 0) {
        const ClientLocation& location = prepared.locations[size_t(line.location)].location;
        section.location = QStringLiteral("%1 (%2)").arg(prepared.locationTitle(line.location),
                                                         text(location.locationCode));
        section.title += QStringLiteral(", ") + section.location;
        section.locationNumber = QString::number(locationDisplayNumber(location, line.location));
    }
    return section;
}

// The order of the forms on the filing sheet.
int filingOrder(PrintedPage page) {
    switch (page) {
    case PrintedPage::St1:
        return 0;
    case PrintedPage::St2:
        return 1;
    case PrintedPage::St4:
        return 2;
    case PrintedPage::St8:
        return 3;
    case PrintedPage::St14:
        return 4;
    default:
        break;
    }
    return -1; // the worksheet and the gasohol worksheet are not keyed
}
} // namespace

FilingSheet filingSheet(const PreparedReturn& prepared) {
    const ReturnRecord& record = prepared.record;
    FilingSheet sheet;
    sheet.title = QStringLiteral("Electronic filing sheet");
    sheet.heading = {text(record.client.businessName),
                     QStringLiteral("Return for %1, due %2")
                         .arg(record.texts.periodText, record.texts.dueDateText)};
    sheet.sections.push_back(returnSection(prepared));
    std::vector<PrintedLine> lines = printedLines(prepared);
    std::erase_if(lines, [](const PrintedLine& line) { return filingOrder(line.page) < 0; });
    std::ranges::stable_sort(lines, {},
                             [](const PrintedLine& line) { return filingOrder(line.page); });
    for (const PrintedLine& line : lines) {
        FilingSection section = formSection(prepared, line);
        if (sheet.sections.back().title != section.title)
            sheet.sections.push_back(std::move(section));
        const St1Worksheet& worksheet = line.location < 0
                                            ? record.worksheet
                                            : prepared.locations[size_t(line.location)].worksheet;
        sheet.sections.back().fields.push_back({lineTitle(line.figure, worksheet),
                                                plainAmount(line.value, false),
                                                QString::fromLatin1(figureInfo(line.figure).line)});
    }
    sheet.notice =
        ElectronicFiling::notice(record.st1.line1, record.period.periodType).value_or(QString());
    return sheet;
}
