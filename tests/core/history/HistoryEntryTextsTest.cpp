#include "history/HistoryEntryTexts.h"

#include "history/HistoryFilePath.h"
#include "returns/GroupThousands.h"

#include <gtest/gtest.h>

namespace {

TEST(HistoryFilePath, ReplacesEveryKvrOfThePathCaseSensitively) {
    const struct {
        const char* client;
        const char* history;
    } cases[] = {
        {"/data/Clients/Vtb00001.kvr", "/data/Clients/Vtb00001.rhi"},
        {"/data/old.kvr clients/Vtb00002.kvr", "/data/old.rhi clients/Vtb00002.rhi"},
        {"/data/Clients/Vtb00003.KVR", "/data/Clients/Vtb00003.KVR"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(historyFilePath(c.client), QString(c.history)) << c.client;
}

TEST(HistoryEntryTexts, TimeTextsCountOnlyHoursAfterNoonAsPm) {
    const struct {
        QTime time;
        const char* text;
    } cases[] = {
        {QTime(12, 5), "12:5 AM"}, {QTime(0, 30), "0:30 AM"}, {QTime(13, 0), "1:0 PM"},
        {QTime(14, 7), "2:7 PM"},  {QTime(9, 59), "9:59 AM"}, {QTime(23, 59), "11:59 PM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(historyTimeText(c.time), QString(c.text)) << c.text;
}

TEST(HistoryEntryTexts, DateIsMonthDayYearWithoutPadding) {
    EXPECT_EQ(historyDateText(QDate(2005, 3, 5)), "3-5-2005");
    EXPECT_EQ(historyDateText(QDate(2026, 12, 31)), "12-31-2026");
}

TEST(HistoryEntryTexts, AmountsAreGroupedByThousands) {
    ReturnSummary summary;
    summary.summaryTotalReceipts = 1234567;
    summary.summaryDeductions = -1000;
    summary.summaryTaxableReceipts = 100;
    summary.summaryPaymentDue = -123;
    const HistoryEntryTexts texts =
        historyEntryTexts(QDateTime(QDate(2005, 1, 20), QTime(9, 5)), summary);
    EXPECT_EQ(texts.returnDate, "1-20-2005");
    EXPECT_EQ(texts.returnTime, "9:5 AM");
    EXPECT_EQ(texts.totalReceipts, "1,234,567");
    EXPECT_EQ(texts.deductions, "-1,000");
    EXPECT_EQ(texts.taxableReceipts, "100");
    EXPECT_EQ(texts.paymentDue, "-123");
}

} // namespace
