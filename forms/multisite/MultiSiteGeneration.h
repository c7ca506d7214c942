#pragma once

#include "forms/PageEntry.h"
#include "forms/filling/FillContext.h"
#include "forms/multisite/CombinedFills.h"
#include "forms/multisite/MultiSitePageOrder.h"

#include <QString>

struct ClientRecord;
struct FormSet;
struct LocationResults;
struct ReturnRecord;

// The pages of a generated multi-site return, or the message of the fill that stopped the
// generation (and no pages then).
struct MultiSiteGeneration {
    PageList pages;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Generates the pages of a combined return (combineLocations has filled ST-1 and the ST-2 pages
// with the results `fills`): one page, its image kept in memory, per page of
// multiSitePageOrder, in that order, ST-2 and ST-8 pages with the caption "ID: %4d"; each
// location's ST-8, ST-14 and ST-4 are filled from its own return as they are made. Every fill that
// goes into the return is checked; the first one that failed stops the generation with a message
// that names the form and the text that did not fit.
MultiSiteGeneration generateMultiSitePages(FormSet& set, const ReturnRecord& combined,
                                           const CombinedFills& fills, const ClientRecord& client,
                                           const LocationResults& results,
                                           const FillContext& context);
