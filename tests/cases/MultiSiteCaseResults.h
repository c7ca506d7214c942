#pragma once

#include "forms/filling/FormSet.h"
#include "forms/multisite/CombinedFills.h"
#include "forms/multisite/MultiSitePageOrder.h"
#include "returns/ReturnRecord.h"

#include <QJsonArray>
#include <QJsonObject>
#include <vector>

// The sections of the multi-site case format for a combined return.
namespace MultiSiteCaseResults {
// `combined`: the summed ST-1 lines, the voucher amount and the worksheet with the summed
// ST-8 worksheet amount.
QJsonObject combinedSection(const ReturnRecord& combined, Dollars voucherAmount);
// `summary`: the combined lines 1, 2, 3 and 25 and the texts the summary page shows.
QJsonObject summarySection(const ReturnSummary& summary);
// `st2Pages`: the pages used; a page not filled (after one that failed) has `ok` null.
QJsonArray st2PagesSection(const FormSet& set, const CombinedFills& fills, int locations);
// `pageList`.
QJsonArray pageListSection(const std::vector<MultiSitePage>& pages, int vendorId);
// The expected sections without the fields of the fills they expect to fail, which depend on
// the write order.
QJsonObject withoutFailedFields(const QJsonObject& expected);
} // namespace MultiSiteCaseResults
