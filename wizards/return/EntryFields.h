#pragma once

#include <QJsonObject>

class CWizardDialog;
class QWidget;
struct ReturnWizardState;

// The return wizard's fields and the entry sections of a return: each field is named after its
// entry (EntrySteps), so a step can show entry sections as if they were typed and the figures
// a step holds can be read back. The sections are shaped as ImportedRow::entries: methods 0 to
// 2, "st1" with `foodMethod` (1 or 2) and `foodEntered`.
namespace EntryFields {
// Fills the fields of `step` from `entries` as a preparer types them (an amount of 0 leaves
// its field empty) and chooses the methods they name.
void show(QWidget* step, const QJsonObject& entries);

// The wizard starts from `entries`: the steps already built show them now, the others when
// they are first shown (ReturnWizardPage reads ReturnWizardState::startEntries then).
void startFrom(CWizardDialog& wizard, ReturnWizardState& state, const QJsonObject& entries);

// The figures the wizard's steps hold: those of every step that was shown and is taken.
QJsonObject entered(const CWizardDialog& wizard);
} // namespace EntryFields
