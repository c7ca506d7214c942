#pragma once

#include "forms/filling/FillContext.h"
#include "letters/LetterInputs.h"
#include "taxtables/TaxTable.h"

// What a return takes from the program's settings, read once when "New Return" starts: what
// the fills print, the two options of the return wizard, the letter's sender and which sales tax
// table the return is computed with (kept with its stored inputs).
struct ReturnWizardSettings {
    FillContext fill;
    bool allowBlankForms = false;       // "Print Blank Forms" is offered
    bool printGasoholWorksheet = false; // single-site returns add the gasohol worksheet
    LetterParty preparer;
    TaxTableIdentity taxTable = {};
};
