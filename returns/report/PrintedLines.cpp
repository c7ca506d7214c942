#include "returns/report/PrintedLines.h"

#include "returns/report/PreparedReturn.h"

namespace {
FigureForm formOf(PrintedPage page) {
    switch (page) {
    case PrintedPage::St1:
    case PrintedPage::St2:
        return FigureForm::St1;
    case PrintedPage::Worksheet:
        return FigureForm::Worksheet;
    case PrintedPage::St14:
        return FigureForm::St14;
    case PrintedPage::St4:
        return FigureForm::St4;
    case PrintedPage::St8:
        return FigureForm::St8;
    case PrintedPage::Gasohol:
        break;
    }
    return FigureForm::Gasohol;
}

void addForm(std::vector<PrintedLine>& lines, PrintedPage page, int location,
             const ReturnRecord& record) {
    for (const FigureInfo& info : formFigures(formOf(page))) {
        if (figurePrinting(info.figure) != FigurePrinting::Never)
            lines.push_back({page, location, info.figure, figureValue(record, info.figure)});
    }
}

PrintedPage pageOf(FigureForm form) {
    switch (form) {
    case FigureForm::St14:
        return PrintedPage::St14;
    case FigureForm::St4:
        return PrintedPage::St4;
    default:
        break;
    }
    return PrintedPage::St8;
}

void addLocations(std::vector<PrintedLine>& lines, const PreparedReturn& prepared) {
    std::vector<ReturnRecord> locations;
    for (int row = 0; row < int(prepared.locations.size()); ++row)
        locations.push_back(prepared.locationReturn(row));
    for (int row = 0; row < int(locations.size()); ++row) {
        for (const Figure figure : kSt2RowLines)
            lines.push_back(
                {PrintedPage::St2, row, figure, figureValue(locations[size_t(row)], figure)});
    }
    // The location pages follow as the preview orders them: every ST-8, every ST-14, every
    // ST-4.
    const ClientRecord& client = prepared.record.client;
    for (const auto& [page, files] : {std::pair(PrintedPage::St8, client.filesST8 == 1),
                                      std::pair(PrintedPage::St14, client.filesST14 == 1),
                                      std::pair(PrintedPage::St4, client.filesST4 == 1)}) {
        if (!files)
            continue;
        for (int row = 0; row < int(locations.size()); ++row)
            addForm(lines, page, row, locations[size_t(row)]);
    }
}
} // namespace

QString pageName(PrintedPage page) {
    if (page == PrintedPage::St2)
        return QStringLiteral("ST-2");
    return QString::fromLatin1(formName(formOf(page)));
}

std::vector<PrintedLine> printedLines(const PreparedReturn& prepared) {
    std::vector<PrintedLine> lines;
    addForm(lines, PrintedPage::St1, -1, prepared.record);
    addForm(lines, PrintedPage::Worksheet, -1, prepared.record);
    if (prepared.multiSite()) {
        addLocations(lines, prepared);
        return lines;
    }
    for (const FigureForm form : filedLocalForms(prepared.record.client))
        addForm(lines, pageOf(form), -1, prepared.record);
    if (prepared.gasoholPage)
        addForm(lines, PrintedPage::Gasohol, -1, prepared.record);
    return lines;
}
