#pragma once

#include "forms/PageEntry.h"
#include "forms/filling/FilledForm.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <functional>
#include <vector>

class CWizardDialog;
struct FormSet;

// A multi-site case run through the real wizards offscreen, as the wizard runners run it: New
// Return's multi-site wizard taken to its combined summary by `reachSummary` (typing every
// location, importing ...), the summary texts read, "Preview Return" pressed and the page list
// and the text of every field of every page file compared with `expected` (or, for a case whose
// generation must stop, the message and that no preview opened), Finish pressed and the page
// files found deleted.
class MultiSiteWizardCaseRun {
public:
    // Takes the wizard from its first step to the combined summary; what went wrong goes to
    // `problems`.
    using ReachSummary = std::function<void(CWizardDialog& wizard, const QJsonObject& input,
                                            const QJsonObject& expected, ScriptedMessages& messages,
                                            QStringList& problems)>;

    explicit MultiSiteWizardCaseRun(ReachSummary reachSummary);

    void operator()(const QJsonObject& testCase, const QString& file);
    int driven() const { return driven_; }

private:
    // What a preparer sees of one case: the summary texts, the previewed pages and the messages.
    struct WizardRun {
        QStringList problems;
        QJsonArray summaryTexts;
        bool previewOpened = false;
        bool documentWritten = false;
        PageList pages;
        QJsonArray pageFields; // read from the page files while the preview is open
        QStringList previewMessages;
    };

    // The form of a listed page and the page section of `expected` its fields are compared with.
    struct ListedPage {
        const FilledForm* form;
        QJsonObject section;
        QString formName; // how a message of its failed fill begins
    };

    void prepareAndPreview(CWizardDialog& wizard, const QJsonObject& input,
                           const QJsonObject& expected, const std::vector<ListedPage>& listed,
                           ScriptedMessages& messages, WizardRun& run);
    std::vector<ListedPage> listedPages(const QJsonObject& expected) const;
    void compare(const QString& file, const QJsonObject& testCase, const WizardRun& run,
                 const std::vector<ListedPage>& listed);
    static QString messageBeginning(const QString& message, const QString& beginning);
    static QJsonObject expectedPreview(const QJsonObject& expected,
                                       const std::vector<ListedPage>& listed);
    static QJsonObject previewShown(const WizardRun& run);

    ReachSummary reachSummary_;
    FormSet& set;
    int driven_ = 0;
};
