#pragma once

#include "forms/filling/FillContext.h"

#include <optional>

struct FormSet;
struct ReturnRecord;

// How the fills of a single-site return ended. A form that was not filled has no value.
struct ReturnFormResults {
    int st1Page1 = 0; // 0, kSt1BasesDoNotAddUp (-6) or kSt1FieldFailed (-7)
    std::optional<bool> st1Page2;
    std::optional<bool> st14;
    std::optional<bool> st4;
    std::optional<bool> st8;
    std::optional<bool> gasoholWorksheet;
};

// Fills every form of a single-site return in the order the pages hand texts on: ST-1 page 1,
// page 2, ST-14, ST-4, ST-8 and the gasohol worksheet, whatever the client files. Nothing is
// filled after -6 on page 1; after -7 ST-14 is not filled, because its scan line comes from a
// complete page 1. The other forms are filled whatever an earlier fill returned, each as its
// own fill leaves it.
ReturnFormResults fillEveryForm(FormSet& set, ReturnRecord& record, const FillContext& context);
