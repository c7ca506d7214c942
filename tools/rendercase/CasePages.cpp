#include "CasePages.h"

#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "forms/EmfPlayer.h"
#include "forms/export/PdfExport.h"
#include "forms/filling/FormSet.h"
#include "forms/filling/ReturnForms.h"
#include "platform/Clock.h"
#include "returns/ReturnCalculation.h"
#include "returns/St1Calculation.h"

#include <QDir>
#include <memory>

namespace {
constexpr int kDotsPerInch = 200;

// A page of the return and how its fill ended (no value: not filled).
struct FilledPage {
    const char* name;
    const FilledForm* form;
    std::optional<bool> ok;
};

QString failureText(const FilledPage& page) {
    const std::optional<int> key = page.form->failedKey();
    return QStringLiteral("%1: the fill failed%2")
        .arg(QLatin1String(page.name), key ? QStringLiteral(" at key %1").arg(*key) : QString());
}

void writePage(const FilledPage& page, const QDir& folder, CasePages::Outcome& outcome) {
    const QString name = QLatin1String(page.name);
    if (page.form->saveImage(folder.filePath(name + QStringLiteral(".emf"))) != kFormPageOk) {
        outcome.failures << name + QStringLiteral(".emf cannot be written");
        return;
    }
    QString error;
    const QImage image = renderPage(page.form->workingImage(), kDotsPerInch, &error);
    if (image.isNull() || !image.save(folder.filePath(name + QStringLiteral(".png")), "PNG")) {
        outcome.failures << name + QStringLiteral(".png: ") +
                                (error.isEmpty() ? QStringLiteral("cannot be written") : error);
        return;
    }
    outcome.pages << name;
}

// The pages the preview shows for a single-site return, in its order: both ST-1 pages, then
// ST-14, ST-4 and ST-8 where the client files them. The gasohol worksheet follows only when
// the option to print it is on, which is off by default and not part of the cases.
PageList previewPages(const ClientRecord& client, const QDir& folder, const QStringList& written) {
    const std::pair<const char*, bool> inPreview[] = {{"st1-page1", true},
                                                      {"st1-page2", true},
                                                      {"st14", client.filesST14 != 0},
                                                      {"st4", client.filesST4 != 0},
                                                      {"st8", client.filesST8 != 0}};
    PageList pages;
    for (const auto& [name, shown] : inPreview) {
        if (!shown || !written.contains(QLatin1String(name)))
            continue;
        PageEntry entry;
        entry.imagePaths[0] = folder.filePath(QLatin1String(name) + QStringLiteral(".emf"));
        pages.push_back(entry);
    }
    return pages;
}

void writePdf(const ClientRecord& client, const QDir& folder, CasePages::Outcome& outcome) {
    const PageList pages = previewPages(client, folder, outcome.pages);
    if (pages.empty())
        return;
    if (exportPdf(folder.filePath(QStringLiteral("return.pdf")), pages, int(pages.size())))
        outcome.pages << QStringLiteral("return.pdf");
    else
        outcome.failures << QStringLiteral("return.pdf cannot be written");
}

std::optional<bool> page1Outcome(int st1Result) {
    if (st1Result == kSt1BasesDoNotAddUp)
        return std::nullopt;
    return st1Result == kSt1Ok;
}
} // namespace

CasePages::Outcome CasePages::write(const QJsonObject& testCase, const QString& folderPath,
                                    bool withPdf) {
    Outcome outcome;
    auto set = std::make_unique<FormSet>();
    if (loadFormImages(*set) != 0) {
        outcome.failures << QStringLiteral("the page images cannot be loaded");
        return outcome;
    }
    const QJsonObject input = testCase[QStringLiteral("input")].toObject();
    auto record = std::make_unique<ReturnRecord>();
    ReturnCaseInput::build(input, *record);
    record->summary = ReturnSummary(); // as the summary page computes it
    computeAll(*record);
    const ReturnFormResults results =
        fillEveryForm(*set, *record, ReturnCaseContext::fillContext(input));
    Clock::release();
    if (results.st1Page1 == kSt1BasesDoNotAddUp)
        outcome.failures << QString::fromLatin1(kSt1BasesMessage).simplified();
    const FilledPage pages[] = {
        {"st1-page1", &set->st1, page1Outcome(results.st1Page1)},
        {"st1-page2", &set->st1Worksheet, results.st1Page2},
        {"st14", &set->st14, results.st14},
        {"st4", &set->st4, results.st4},
        {"st8", &set->st8, results.st8},
        {"gasohol-worksheet", &set->gasoholWorksheet, results.gasoholWorksheet}};
    QDir().mkpath(folderPath);
    const QDir folder(folderPath);
    for (const FilledPage& page : pages) {
        if (!page.ok)
            continue;
        if (!*page.ok)
            outcome.failures << failureText(page);
        writePage(page, folder, outcome);
    }
    if (withPdf)
        writePdf(record->client, folder, outcome);
    return outcome;
}
