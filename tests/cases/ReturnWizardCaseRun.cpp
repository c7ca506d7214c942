#include "ReturnWizardCaseRun.h"

#include "CasePageSections.h"
#include "ForEachReturnCase.h"
#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "ReturnCaseResults.h"
#include "WizardCaseDriver.h"
#include "forms/filling/FormSet.h"
#include "forms/preview/ReturnGeneration.h"
#include "output/ReturnPreviewWindow.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "support/LoadedForms.h"
#include "wizards/return/ReturnWizard.h"
#include "wizards/return/SummaryPage.h"

#include <QFile>
#include <QJsonArray>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The summary texts as the table shows them, worked out from the expected amounts.
QString grouped(qint64 amount) {
    QString digits = QString::number(amount < 0 ? -amount : amount);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return amount < 0 ? QLatin1Char('-') + digits : digits;
}

// After -6 there is no summary section: the four ST-1 amounts stay at zero, while ST-14, ST-4
// and ST-8, computed before ST-1, show the dues of their own sections.
QJsonObject expectedSummaryAmounts(const QJsonObject& expected) {
    const QJsonValue summary = expected[QStringLiteral("summary")];
    if (summary.isObject())
        return summary.toObject();
    const auto due = [&](const char* section, const char* key) {
        return expected[QLatin1String(section)].toObject()[QLatin1String(key)];
    };
    return {{QStringLiteral("summaryTotalReceipts"), 0},
            {QStringLiteral("summaryDeductions"), 0},
            {QStringLiteral("summaryTaxableReceipts"), 0},
            {QStringLiteral("summaryPaymentDue"), 0},
            {QStringLiteral("st8PaymentDue"), due("st8", "st8PaymentDue")},
            {QStringLiteral("st14PaymentDue"), due("st14", "st14PaymentDue")},
            {QStringLiteral("st4PaymentDue"), due("st4", "st4PaymentDue")}};
}

QJsonObject expectedSummaryTable(const QJsonObject& input, const QJsonObject& expected) {
    const QJsonObject summary = expectedSummaryAmounts(expected);
    const bool blank =
        input[QStringLiteral("st1")].toObject()[QStringLiteral("totalReceipts")].toDouble() == 0;
    const auto amount = [&](const char* key, bool positiveOnly) {
        if (blank)
            return QStringLiteral("Blank Form");
        const qint64 value = summary[QLatin1String(key)].toInteger();
        return positiveOnly && value <= 0 ? QStringLiteral("Invalid Value") : grouped(value);
    };
    return {{QStringLiteral("totalReceipts"), amount("summaryTotalReceipts", true)},
            {QStringLiteral("deductions"), amount("summaryDeductions", true)},
            {QStringLiteral("taxableReceipts"), amount("summaryTaxableReceipts", true)},
            {QStringLiteral("paymentDue"), amount("summaryPaymentDue", false)},
            {QStringLiteral("st8PaymentDue"), amount("st8PaymentDue", false)},
            {QStringLiteral("st14PaymentDue"), amount("st14PaymentDue", false)},
            {QStringLiteral("st4PaymentDue"), amount("st4PaymentDue", false)}};
}

QString cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

QJsonObject shownSummaryTable(const QTableWidget* table) {
    return {{QStringLiteral("totalReceipts"), cell(table, 0, 1)},
            {QStringLiteral("deductions"), cell(table, 0, 2)},
            {QStringLiteral("taxableReceipts"), cell(table, 0, 3)},
            {QStringLiteral("paymentDue"), cell(table, 0, 4)},
            {QStringLiteral("st8PaymentDue"), cell(table, 1, 4)},
            {QStringLiteral("st14PaymentDue"), cell(table, 2, 4)},
            {QStringLiteral("st4PaymentDue"), cell(table, 3, 4)}};
}

// One form of the return: its page kind, the page section of the case and the form whose
// template reads its page file.
struct FormPageCheck {
    PageKind kind;
    const char* section;
    const FilledForm* form;
    bool taken;
    const char* failureMessage;
};

// A case without a page section (the project's worked examples check calculations only)
// expects the page to be filled.
bool sectionFailed(const QJsonValue& section) {
    if (!section.isObject())
        return false;
    const QJsonObject page = section.toObject();
    if (page.contains(QStringLiteral("result")))
        return page[QStringLiteral("result")].toInt() != 0;
    return !page[QStringLiteral("ok")].toBool();
}

std::vector<FormPageCheck> formChecks(const FormSet* set, const ClientRecord& client,
                                      const ReturnRecord& record) {
    return {
        {kPageSt1Page1, "st1Page1", &set->st1, true,
         "An error occurred while printing ST-1 Page 1"},
        {kPageSt1Page2, "st1Page2", &set->st1Worksheet, true,
         "An error occurred while printing ST-1 Page 2"},
        {kPageSt14, "st14Page", &set->st14, client.filesST14 == 1,
         "An error occurred while printing ST-14"},
        {kPageSt4, "st4Page", &set->st4, client.filesST4 == 1,
         "An error occurred while printing ST-4"},
        {kPageSt8, "st8Page", &set->st8, client.filesST8 == 1,
         "An error occurred while printing ST-8"},
        {kPageGasoholWorksheet, "gasoholPage", &set->gasoholWorksheet,
         record.gasoholWorksheet.gallons > 0,
         "An error occurred while printing gasohol "
         "worksheet"},
    };
}

// The message the generation must stop with, empty when it must open the preview.
QString expectedStop(const QJsonObject& expected, const std::vector<FormPageCheck>& checks) {
    if (expected[QStringLiteral("st1Status")].toInt() == kSt1BasesDoNotAddUp)
        return QString::fromLatin1(kSt1BasesMessage);
    for (const FormPageCheck& check : checks) {
        if (check.taken && sectionFailed(expected[QLatin1String(check.section)]))
            return QString::fromLatin1(check.failureMessage);
    }
    return {};
}

void comparePages(const QString& file, const QJsonObject& testCase, const PageList& pages,
                  const std::vector<FormPageCheck>& checks, int vendorId) {
    const QJsonObject expected = testCase[QStringLiteral("expected")].toObject();
    QJsonArray expectedList;
    QJsonArray actualList;
    QJsonObject expectedFields;
    QJsonObject actualFields;
    std::size_t next = 0;
    for (const FormPageCheck& check : checks) {
        if (!check.taken)
            continue;
        const QJsonValue caption = check.kind == kPageSt8 ? QJsonValue(vendorCaption(vendorId))
                                                          : QJsonValue(QJsonValue::Null);
        expectedList.append(QJsonObject{{QStringLiteral("kind"), check.kind},
                                        {QStringLiteral("caption"), caption}});
        const QJsonValue section = expected[QLatin1String(check.section)];
        if (section.isObject())
            expectedFields[QLatin1String(check.section)] =
                section.toObject()[QStringLiteral("fields")];
        if (section.isObject() && next < pages.size())
            actualFields[QLatin1String(check.section)] =
                CasePageSections::pageFields(*check.form, pages[next]);
        ++next;
    }
    for (const PageEntry& page : pages)
        actualList.append(
            QJsonObject{{QStringLiteral("kind"), page.kind},
                        {QStringLiteral("caption"),
                         page.caption ? QJsonValue(*page.caption) : QJsonValue(QJsonValue::Null)}});
    reportCaseDifference(
        file, testCase,
        JsonFirstDifference::find(QJsonObject{{QStringLiteral("pageList"), expectedList},
                                              {QStringLiteral("pages"), expectedFields}},
                                  QJsonObject{{QStringLiteral("pageList"), actualList},
                                              {QStringLiteral("pages"), actualFields}}));
}

} // namespace

ReturnWizardCaseRun::ReturnWizardCaseRun(ReachSummary reachSummary)
    : reachSummary_(std::move(reachSummary)) {}

void ReturnWizardCaseRun::operator()(const QJsonObject& testCase, const QString& file) {
    FormSet* const set = &loadedForms();
    const QJsonObject input = testCase[QStringLiteral("input")].toObject();
    const QJsonObject expected = testCase[QStringLiteral("expected")].toObject();
    const QString where = file + QStringLiteral(": ") + testCase[QStringLiteral("name")].toString();
    Clock::setFixedDate(ReturnCaseInput::today(input));
    ReturnWizardSettings settings;
    settings.fill = ReturnCaseContext::fillContext(input);
    settings.allowBlankForms = true;
    settings.printGasoholWorksheet = true;
    ClientInfo client;
    client.record = ReturnCaseInput::client(input[QStringLiteral("client")].toObject());
    auto record = std::make_unique<ReturnRecord>();
    resetReturnAndForms(*record, *set, settings.fill);
    ScriptedMessages messages;
    QStringList leftFiles;
    {
        ReturnWizard wizard(ReturnWizardState{*record, *set, settings, client, false, false, {}});
        wizard.show();
        QString problem;
        if (!reachSummary_(wizard, input, messages, problem)) {
            ADD_FAILURE() << where.toStdString() << ": " << problem.toStdString() << " "
                          << messages.shown.join(QLatin1Char('|')).toStdString();
            Clock::release();
            return;
        }
        auto* summary = static_cast<SummaryPage*>(wizard.activePage());
        reportCaseDifference(
            file, testCase,
            JsonFirstDifference::find(
                QJsonObject{{QStringLiteral("summaryTable"), expectedSummaryTable(input, expected)},
                            {QStringLiteral("record"),
                             ReturnCaseResults::expectedCalculationSections(expected)}},
                QJsonObject{{QStringLiteral("summaryTable"), shownSummaryTable(summary->table())},
                            {QStringLiteral("record"), ReturnCaseResults::calculationSections(
                                                           *record, summary->st1Status())}}));

        const auto checks = formChecks(set, client.record, *record);
        const QString stop = expectedStop(expected, checks);
        PageList previewed;
        bool previewOpened = false;
        const auto poll = WizardCaseDriver::whenPreviewOpens([&](ReturnPreviewWindow* window) {
            previewOpened = true;
            previewed = window->context().pages;
            EXPECT_TRUE(QFile::exists(window->context().documentPath)) << where.toStdString();
            window->accept();
        });
        messages.clear();
        summary->previewButton()->click();
        if (!stop.isEmpty()) {
            EXPECT_FALSE(previewOpened) << where.toStdString();
            EXPECT_EQ(messages.shown.value(0), stop) << where.toStdString();
        } else {
            EXPECT_TRUE(previewOpened) << where.toStdString() << " "
                                       << messages.shown.join(QLatin1Char('|')).toStdString();
            comparePages(file, testCase, previewed, checks, settings.fill.vendorId);
        }
        for (const PageEntry& page : previewed)
            leftFiles << page.path();
        wizard.finishButton()->click();
    }
    for (const QString& path : leftFiles)
        EXPECT_FALSE(QFile::exists(path)) << where.toStdString() << ": " << path.toStdString();
    Clock::release();
    ++driven_;
}
