#include "returns/LiabilityPeriod.h"

#include <gtest/gtest.h>

namespace {
ReturnPeriod chosen(int periodType, int index) {
    ReturnPeriod period;
    period.periodType = periodType;
    if (periodType == kMonthlyPeriod)
        period.monthIndex = index;
    else if (periodType == kQuarterlyPeriod)
        period.quarterIndex = index;
    else
        period.yearIndex = index;
    return period;
}
} // namespace

TEST(LiabilityPeriod, ListsOfMarchShowTheSecondHalfOfTheYearBefore) {
    const PeriodChoices choices = periodChoices(QDate(2005, 3, 15));
    ASSERT_EQ(choices.months.size(), 12);
    EXPECT_EQ(choices.months[0], "Jan,2005");
    EXPECT_EQ(choices.months[5], "Jun,2005");
    EXPECT_EQ(choices.months[6], "Jul,2004");
    EXPECT_EQ(choices.months[11], "Dec,2004");
    EXPECT_EQ(choices.quarters, QStringList({"1st Qrtr (Jan 1st - Mar 31st) ,2005 ",
                                             "2nd Qrtr (Apr 1st - Jun 30th) ,2005 ",
                                             "3rd Qrtr (Jul 1st - Sep 30th) ,2004 ",
                                             "4th Qrtr (Oct 1st - Dec 31st) ,2004 "}));
    EXPECT_EQ(choices.years, QStringList({"2002", "2003", "2004", "2005"}));
    EXPECT_EQ(choices.defaultMonth, 2);
    EXPECT_EQ(choices.defaultQuarter, 0);
    EXPECT_EQ(choices.defaultYear, 3);
}

TEST(LiabilityPeriod, ListsOfSeptemberShowTheWholeCurrentYear) {
    const PeriodChoices choices = periodChoices(QDate(2005, 9, 6));
    EXPECT_EQ(choices.months[6], "Jul,2005");
    EXPECT_EQ(choices.months[11], "Dec,2005");
    EXPECT_EQ(choices.quarters[3], "4th Qrtr (Oct 1st - Dec 31st) ,2005 ");
    EXPECT_EQ(choices.defaultMonth, 8);
    EXPECT_EQ(choices.defaultQuarter, 2);
    EXPECT_EQ(choices.years, QStringList({"2002", "2003", "2004", "2005"}));
}

TEST(LiabilityPeriod, YearListFollowsTheClock) {
    const PeriodChoices choices = periodChoices(QDate(2026, 12, 10));
    EXPECT_EQ(choices.years, QStringList({"2023", "2024", "2025", "2026"}));
    EXPECT_EQ(choices.defaultYear, 3);
    EXPECT_EQ(yearOfIndex(0, QDate(2026, 1, 1)), 2023);
}

TEST(LiabilityPeriod, DefaultQuarterIsTheQuarterOfTheCurrentMonth) {
    const int expected[12] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(periodChoices(QDate(2005, month, 1)).defaultQuarter, expected[month - 1])
            << "month " << month;
}

// One period chosen on one day, and everything derived from the choice.
struct PeriodCase {
    const char* what;
    QDate today;
    ReturnPeriod period;
    int useDateRule;
    int priorYear;
    const char* periodText;
    const char* dueDateText;
    const char* periodCode;
};

TEST(LiabilityPeriod, ChoicesGiveDateRuleYearTextsAndCode) {
    const PeriodCase cases[] = {
        {"Aug,2004 in March 2005",
         {2005, 3, 15},
         chosen(kMonthlyPeriod, 7),
         1,
         1,
         "Aug 2004",
         "Sep 20, 2004",
         "0804"},
        {"Feb,2005 in September 2005",
         {2005, 9, 6},
         chosen(kMonthlyPeriod, 1),
         1,
         0,
         "Feb 2005",
         "Mar 20, 2005",
         "0205"},
        {"Feb,2005 in March 2005",
         {2005, 3, 15},
         chosen(kMonthlyPeriod, 1),
         0,
         0,
         "Feb 2005",
         "Mar 20, 2005",
         "0205"},
        {"Dec,2004 in January 2005",
         {2005, 1, 3},
         chosen(kMonthlyPeriod, 11),
         1,
         1,
         "Dec 2004",
         "Jan 20, 2005",
         "1204"},
        {"Dec,2005 on 31 December 2005",
         {2005, 12, 31},
         chosen(kMonthlyPeriod, 11),
         0,
         0,
         "Dec 2005",
         "Jan 20, 2006",
         "1205"},
        {"Nov,2005 in December 2005",
         {2005, 12, 1},
         chosen(kMonthlyPeriod, 10),
         0,
         0,
         "Nov 2005",
         "Dec 20, 2005",
         "1105"},
        {"Feb,2004 on 29 February 2004",
         {2004, 2, 29},
         chosen(kMonthlyPeriod, 1),
         0,
         0,
         "Feb 2004",
         "Mar 20, 2004",
         "0204"},
        {"Jan,2000 in 2000",
         {2000, 4, 1},
         chosen(kMonthlyPeriod, 0),
         0,
         0,
         "Jan 2000",
         "Feb 20, 2000",
         "0100"},
        {"4th quarter 2004 in February 2005",
         {2005, 2, 10},
         chosen(kQuarterlyPeriod, 3),
         1,
         1,
         "Oct 1 - Dec 31, 2004",
         "Jan 20, 2005",
         "1204"},
        {"4th quarter 2005 in November 2005",
         {2005, 11, 2},
         chosen(kQuarterlyPeriod, 3),
         0,
         0,
         "Oct 1 - Dec 31, 2005",
         "Jan 20, 2006",
         "1205"},
        {"1st quarter 2005 in August 2005",
         {2005, 8, 2},
         chosen(kQuarterlyPeriod, 0),
         1,
         0,
         "Jan 1 - Mar 31, 2005",
         "Apr 20, 2005",
         "0305"},
        {"2nd quarter 2005 in May 2005",
         {2005, 5, 2},
         chosen(kQuarterlyPeriod, 1),
         0,
         0,
         "Apr 1 - Jun 30, 2005",
         "Jul 20, 2005",
         "0605"},
        {"3rd quarter 2004 in June 2005",
         {2005, 6, 30},
         chosen(kQuarterlyPeriod, 2),
         1,
         1,
         "Jul 1 - Sep 30, 2004",
         "Oct 20, 2004",
         "0904"},
        {"annual 2003 in March 2005",
         {2005, 3, 15},
         chosen(kAnnualPeriod, 1),
         1,
         1,
         "Jan 1 - Dec 31 2003",
         "Jan 20, 2004",
         "1203"},
        {"annual 2005 in September 2005",
         {2005, 9, 6},
         chosen(kAnnualPeriod, 3),
         1,
         1,
         "Jan 1 - Dec 31 2005",
         "Jan 20, 2006",
         "1205"},
        {"annual 2002 in 2005",
         {2005, 9, 6},
         chosen(kAnnualPeriod, 0),
         1,
         1,
         "Jan 1 - Dec 31 2002",
         "Jan 20, 2003",
         "1202"},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.what);
        ReturnPeriod period = c.period;
        applyPeriodChoice(period, c.today);
        EXPECT_EQ(period.useDateRule, c.useDateRule);
        EXPECT_EQ(period.priorYear, c.priorYear);
        EXPECT_TRUE(isValidPeriod(period));
        EXPECT_EQ(periodText(period, c.today), c.periodText);
        EXPECT_EQ(dueDateText(period, c.today), c.dueDateText);
        EXPECT_EQ(periodCode(period, c.today), c.periodCode);
    }
}

TEST(LiabilityPeriod, AnnualPeriodTakesThePriorYearForItsRates) {
    ReturnPeriod period = chosen(kAnnualPeriod, 3);
    applyPeriodChoice(period, QDate(2005, 9, 6));
    EXPECT_EQ(periodYear(period, QDate(2005, 9, 6)), 2004);
}

TEST(LiabilityPeriod, PeriodWithoutAValidEntryIsInvalidAndHasNoTexts) {
    const QDate today(2005, 3, 15);
    const ReturnPeriod invalid[] = {chosen(kAnnualPeriod, -1), chosen(kAnnualPeriod, 4),
                                    chosen(kMonthlyPeriod, 12), chosen(kQuarterlyPeriod, 4),
                                    chosen(3, 0)};
    for (const ReturnPeriod& period : invalid) {
        EXPECT_FALSE(isValidPeriod(period));
        EXPECT_TRUE(periodText(period, today).isEmpty());
        EXPECT_TRUE(dueDateText(period, today).isEmpty());
        EXPECT_TRUE(periodCode(period, today).isEmpty());
    }
    EXPECT_STREQ(kInvalidYearMessage, "Invalid Year");
}
