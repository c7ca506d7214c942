#pragma once

#include "ui/ui/wizard/UiTestHelpers.h"

#include <QJsonObject>
#include <QString>
#include <functional>

class ReturnWizard;

// A single-site full-return case run through the real return wizard offscreen, as the wizard
// runners run it: the wizard opened on the case's client and day, taken to its summary step
// by `reachSummary` (typing, importing ...), the summary table and the computed sections of
// the return compared with `expected`, "Preview Return" pressed and the page list and the text
// of every field of every page file compared with the page sections (or, for a case whose
// generation must stop, the message), Finish pressed and the page files found deleted.
class ReturnWizardCaseRun {
public:
    // Takes the wizard from its first step to the summary step; false, with `problem` saying
    // where it stuck, when it could not.
    using ReachSummary = std::function<bool(ReturnWizard& wizard, const QJsonObject& input,
                                            ScriptedMessages& messages, QString& problem)>;

    explicit ReturnWizardCaseRun(ReachSummary reachSummary);

    void operator()(const QJsonObject& testCase, const QString& file);
    int driven() const { return driven_; }

private:
    ReachSummary reachSummary_;
    int driven_ = 0;
};
