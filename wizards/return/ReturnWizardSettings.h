#pragma once

#include "forms/filling/FillContext.h"
#include "letters/LetterInputs.h"

// What a return takes from the program's settings, read once when "New Return" starts: what
// the fills print, the two options of the return wizard and the letter's sender.
struct ReturnWizardSettings {
    FillContext fill;
    bool allowBlankForms = false;       // "Print Blank Forms" is offered
    bool printGasoholWorksheet = false; // single-site returns add the gasohol worksheet
    LetterParty preparer;
};
