#pragma once

#include "wizards/return/ImportFiguresPanel.h"

class CWizardDialog;
struct ReturnWizardState;

// "Import Figures…" of the single-site return wizard: the file's one row of figures fills the
// steps' fields (EntryFields::startFrom); the steps store them when Next is pressed on each,
// exactly as typed figures.
FigureImportTarget singleSiteImportTarget(CWizardDialog& wizard, ReturnWizardState& state);
