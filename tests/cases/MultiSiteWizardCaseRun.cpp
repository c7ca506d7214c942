#include "MultiSiteWizardCaseRun.h"

#include "CasePageSections.h"
#include "ForEachReturnCase.h"
#include "MultiSiteCaseInput.h"
#include "ReturnCaseContext.h"
#include "ReturnCaseInput.h"
#include "WizardCaseDriver.h"
#include "forms/filling/FormSet.h"
#include "output/ReturnPreviewWindow.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/MultiSiteWizard.h"

#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace CasePageSections;

MultiSiteWizardCaseRun::MultiSiteWizardCaseRun(ReachSummary reachSummary)
    : reachSummary_(std::move(reachSummary)), set(forms()) {}

void MultiSiteWizardCaseRun::operator()(const QJsonObject& testCase, const QString& file) {
    const QJsonObject input = testCase[QStringLiteral("input")].toObject();
    const QJsonObject expected = testCase[QStringLiteral("expected")].toObject();
    const std::string where =
        (file + QStringLiteral(": ") + testCase[QStringLiteral("name")].toString()).toStdString();
    Clock::setFixedDate(ReturnCaseInput::today(input));
    ReturnWizardSettings settings;
    settings.fill = ReturnCaseContext::fillContext(input);
    settings.allowBlankForms = true;
    ClientInfo client;
    client.record = MultiSiteCaseInput::client(input[QStringLiteral("client")].toObject());
    resetReturnAndForms(currentReturn(), forms(), settings.fill);
    ScriptedMessages messages;
    WizardRun run;
    const std::vector<ListedPage> listed = listedPages(expected);
    whenModalOpens<CWizardDialog>([&](CWizardDialog* wizard) {
        prepareAndPreview(*wizard, input, expected, listed, messages, run);
        if (wizard->isVisible())
            wizard->reject();
    });
    runMultiSiteWizard(nullptr, client, settings);
    Clock::release();
    EXPECT_TRUE(run.problems.isEmpty()) << where << ": " << run.problems.join("; ").toStdString();
    if (run.problems.isEmpty())
        compare(file, testCase, run, listed);
    for (const PageEntry& page : run.pages)
        EXPECT_FALSE(QFile::exists(page.path())) << where << ": " << page.path().toStdString();
    ++driven_;
}

// The preparer's part after reaching the summary: "Preview Return", Finish.
void MultiSiteWizardCaseRun::prepareAndPreview(CWizardDialog& wizard, const QJsonObject& input,
                                               const QJsonObject& expected,
                                               const std::vector<ListedPage>& listed,
                                               ScriptedMessages& messages, WizardRun& run) {
    reachSummary_(wizard, input, expected, messages, run.problems);
    if (!run.problems.isEmpty())
        return;
    auto* summary = qobject_cast<CombinedSummaryStep*>(wizard.activePage());
    if (!summary) {
        run.problems << QStringLiteral("the summary was not shown: ") +
                            messages.shown.join(QLatin1Char('|'));
        return;
    }
    for (int row = 0; row < 4; ++row)
        run.summaryTexts.append(summary->amountLabel(row)->text());
    const auto poll = WizardCaseDriver::whenPreviewOpens([&](ReturnPreviewWindow* window) {
        run.previewOpened = true;
        run.pages = window->context().pages;
        run.documentWritten = QFile::exists(window->context().documentPath);
        for (size_t index = 0; index < run.pages.size() && index < listed.size(); ++index)
            run.pageFields.append(pageFields(*listed[index].form, run.pages[index]));
        window->accept();
    });
    messages.clear();
    summary->previewButton()->click();
    run.previewMessages = messages.shown;
    messages.answers = {false}; // not into the history: the client has no file
    wizard.finish();
}

// The pages `expected` lists, in order, with the form that reads each page file.
std::vector<MultiSiteWizardCaseRun::ListedPage>
MultiSiteWizardCaseRun::listedPages(const QJsonObject& expected) const {
    const QJsonArray locations = expected[QStringLiteral("locations")].toArray();
    const QJsonArray st2Pages = expected[QStringLiteral("st2Pages")].toArray();
    std::vector<ListedPage> pages;
    for (const QJsonValue& entry : expected[QStringLiteral("pageList")].toArray()) {
        const QString kind = entry[QStringLiteral("kind")].toString();
        const int location = entry[QStringLiteral("location")].toInt();
        const int st2Page = entry[QStringLiteral("st2Page")].toInt();
        const auto locationPage = [&](const FilledForm& form, const char* section,
                                      const char* name) {
            return ListedPage{&form, locations[location][QLatin1String(section)].toObject(),
                              QStringLiteral("%1 of location ").arg(QLatin1String(name))};
        };
        if (kind == QLatin1String("st1Page1"))
            pages.push_back({&set.st1, expected[QStringLiteral("st1Page1")].toObject(),
                             QStringLiteral("ST-1 Page 1")});
        else if (kind == QLatin1String("st1Page2"))
            pages.push_back({&set.st1Worksheet, expected[QStringLiteral("st1Page2")].toObject(),
                             QStringLiteral("ST-1 Page 2")});
        else if (kind == QLatin1String("st2"))
            pages.push_back({&set.st2Pages[size_t(st2Page)], st2Pages[st2Page].toObject(),
                             QStringLiteral("ST-2 page %1").arg(st2Page + 1)});
        else if (kind == QLatin1String("st8"))
            pages.push_back(locationPage(set.st8, "st8Page", "ST-8"));
        else if (kind == QLatin1String("st14"))
            pages.push_back(locationPage(set.st14, "st14Page", "ST-14"));
        else
            pages.push_back(locationPage(set.st4, "st4Page", "ST-4"));
    }
    return pages;
}

void MultiSiteWizardCaseRun::compare(const QString& file, const QJsonObject& testCase,
                                     const WizardRun& run, const std::vector<ListedPage>& listed) {
    const QJsonObject expected = testCase[QStringLiteral("expected")].toObject();
    const QJsonObject summary = expected[QStringLiteral("summary")].toObject();
    QJsonObject wanted{
        {QStringLiteral("summary"),
         QJsonArray{summary[QStringLiteral("totalReceipts")], summary[QStringLiteral("deductions")],
                    summary[QStringLiteral("taxableReceipts")],
                    summary[QStringLiteral("paymentDue")]}}};
    QJsonObject shown{{QStringLiteral("summary"), run.summaryTexts}};
    const auto failed = std::find_if(listed.begin(), listed.end(), [](const ListedPage& page) {
        return pageFailed(page.section);
    });
    if (failed != listed.end()) {
        wanted[QStringLiteral("stop")] =
            QJsonObject{{QStringLiteral("previewOpened"), false},
                        {QStringLiteral("message"),
                         QStringLiteral("An error occurred while printing ") + failed->formName}};
        shown[QStringLiteral("stop")] = QJsonObject{
            {QStringLiteral("previewOpened"), run.previewOpened},
            {QStringLiteral("message"),
             messageBeginning(
                 run.previewMessages.value(0),
                 wanted[QStringLiteral("stop")][QStringLiteral("message")].toString())}};
    } else {
        wanted[QStringLiteral("preview")] = expectedPreview(expected, listed);
        shown[QStringLiteral("preview")] = previewShown(run);
    }
    reportCaseDifference(file, testCase, JsonFirstDifference::find(wanted, shown));
}

// The message cut to `beginning` when it begins so: the rest names the text that did not fit.
QString MultiSiteWizardCaseRun::messageBeginning(const QString& message, const QString& beginning) {
    return message.startsWith(beginning) ? beginning : message;
}

QJsonObject MultiSiteWizardCaseRun::expectedPreview(const QJsonObject& expected,
                                                    const std::vector<ListedPage>& listed) {
    QJsonArray list;
    for (const QJsonValue& entry : expected[QStringLiteral("pageList")].toArray())
        list.append(QJsonObject{{QStringLiteral("kind"), entry[QStringLiteral("pageKind")]},
                                {QStringLiteral("caption"), entry[QStringLiteral("caption")]}});
    QJsonArray fields;
    for (const ListedPage& page : listed)
        fields.append(page.section[QStringLiteral("fields")]);
    return {{QStringLiteral("opened"), true},
            {QStringLiteral("documentWritten"), true},
            {QStringLiteral("messages"), QJsonArray()},
            {QStringLiteral("pageList"), list},
            {QStringLiteral("fields"), fields}};
}

QJsonObject MultiSiteWizardCaseRun::previewShown(const WizardRun& run) {
    QJsonArray list;
    for (const PageEntry& page : run.pages)
        list.append(
            QJsonObject{{QStringLiteral("kind"), page.kind},
                        {QStringLiteral("caption"),
                         page.caption ? QJsonValue(*page.caption) : QJsonValue(QJsonValue::Null)}});
    return {{QStringLiteral("opened"), run.previewOpened},
            {QStringLiteral("documentWritten"), run.documentWritten},
            {QStringLiteral("messages"), QJsonArray::fromStringList(run.previewMessages)},
            {QStringLiteral("pageList"), list},
            {QStringLiteral("fields"), run.pageFields}};
}
