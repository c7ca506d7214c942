#pragma once

#include <QJsonObject>
#include <QTimer>
#include <functional>
#include <memory>

class CWizardDialog;
class ReturnPreviewWindow;

// Drives an open return wizard through a full-return case the way a preparer types it: every
// step the client's profile shows gets the case's entered values as text, choices are clicked,
// and Next is pressed until the summary step is shown.
namespace WizardCaseDriver {
// True when the wizard reached the step `stopKey`; otherwise `problem` says where it stuck.
bool fillStepsUntil(CWizardDialog& wizard, const QJsonObject& input, int stopKey, QString& problem);
// The same up to the summary step.
bool fillEveryStep(CWizardDialog& wizard, const QJsonObject& input, QString& problem);

// Runs `script` on the preview window once it is open; the poll stops with the returned timer,
// so a preview that never opens leaves nothing waiting for the next case.
std::unique_ptr<QTimer> whenPreviewOpens(std::function<void(ReturnPreviewWindow*)> script);
} // namespace WizardCaseDriver
