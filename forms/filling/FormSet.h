#pragma once

#include "forms/filling/FillContext.h"
#include "forms/filling/GasoholWorksheetForm.h"
#include "forms/filling/St14Form.h"
#include "forms/filling/St1Form.h"
#include "forms/filling/St1WorksheetForm.h"
#include "forms/filling/St2PageForm.h"
#include "forms/filling/St4Form.h"
#include "forms/filling/St8Form.h"

#include <array>

struct ReturnRecord;

// The form objects: one per form page, and eight ST-2 pages, room for 40 sites.
struct FormSet {
    static constexpr int kSt2Pages = 8;

    St1Form st1;
    St1WorksheetForm st1Worksheet;
    St14Form st14;
    St4Form st4;
    St8Form st8;
    std::array<St2PageForm, kSt2Pages> st2Pages;
    GasoholWorksheetForm gasoholWorksheet;
};

// The program's form objects, which live until exit. Tests make their own sets.
FormSet& forms();

// Loads the page images into the forms in this order: ST-1 page 1, page 2, ST-14, ST-4, ST-8,
// the ST-2 image into each of the eight page objects, the gasohol worksheet. 0 on success;
// at the first image that cannot be loaded, -1, and the images after it are not loaded.
int loadFormImages(FormSet& set);

// Start-up's reset pass: every form forgets the data of the last return.
void resetFormData(FormSet& set);
// The fill pass from an empty return: ST-1 page 1 and page 2, ST-4, ST-14, ST-8 and the eight
// ST-2 pages (blank, no sites). The gasohol worksheet is first filled with a return. False when
// a fill failed, which only a page image lacking a placeholder can cause.
bool fillFromEmptyReturn(FormSet& set, ReturnRecord& emptyRecord, const FillContext& context);
// Both passes, as start-up brings the forms into their blank state.
bool bringFormsToBlankState(FormSet& set, const FillContext& context);

// "New Return": resets the return, computes it once with the empty inputs and fills the forms
// from it, so no page shows anything of the previous return. The caller then takes the client.
bool resetReturnAndForms(ReturnRecord& record, FormSet& set, const FillContext& context);
