#pragma once

#include <QJsonObject>

class ReturnWizard;

// Drives an open return wizard through a full-return case the way a preparer types it: every
// step the client's profile shows gets the case's entered values as text, choices are clicked,
// and Next is pressed until the summary step is shown.
namespace WizardCaseDriver {
// True when the wizard reached the summary step; otherwise `problem` says where it stuck.
bool fillEveryStep(ReturnWizard& wizard, const QJsonObject& input, QString& problem);
} // namespace WizardCaseDriver
