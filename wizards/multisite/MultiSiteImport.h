#pragma once

#include "wizards/return/ImportFiguresPanel.h"

struct MultiSiteWizardState;

// "Import Figures…" of the multi-site wizard: every location of the file prepared as its
// location wizard would prepare it (prepareImportedLocations), and its figures kept for its
// wizard to start from when the preparer opens it to review them.
FigureImportTarget multiSiteImportTarget(MultiSiteWizardState& state);
