#include "returns/report/ElectronicFiling.h"

#include "returns/ReturnPeriod.h"

#include <gtest/gtest.h>

TEST(ElectronicFiling, NoticeFromTheThresholdOfEachPeriodType) {
    struct Case {
        int periodType;
        Dollars line1;
        Dollars annual;
        bool notice;
    };
    const Case cases[] = {
        {kMonthlyPeriod, 1666, 19992, false},   {kMonthlyPeriod, 1667, 20004, true},
        {kQuarterlyPeriod, 4999, 19996, false}, {kQuarterlyPeriod, 5000, 20000, true},
        {kAnnualPeriod, 19999, 19999, false},   {kAnnualPeriod, 20000, 20000, true},
        {kMonthlyPeriod, 0, 0, false},          {kAnnualPeriod, -25000, -25000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "period type " << c.periodType << ", line 1 " << c.line1);
        EXPECT_EQ(ElectronicFiling::annualReceipts(c.line1, c.periodType), c.annual);
        const std::optional<QString> notice = ElectronicFiling::notice(c.line1, c.periodType);
        ASSERT_EQ(notice.has_value(), c.notice);
        if (notice) {
            EXPECT_TRUE(notice->contains(QStringLiteral("required to file ST-1, ST-4, ST-8 and "
                                                        "ST-14 electronically once the state has "
                                                        "notified it")))
                << notice->toStdString();
        }
    }
}

TEST(ElectronicFiling, NoticeNamesTheAnnualFigureAndTheLostDiscount) {
    const QString notice = ElectronicFiling::notice(1667, kMonthlyPeriod).value_or(QString());
    EXPECT_TRUE(
        notice.contains(QStringLiteral("$20,004 (line 1 of this monthly return \u00d7 12)")))
        << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("loses the timely-filing discount")));
}
