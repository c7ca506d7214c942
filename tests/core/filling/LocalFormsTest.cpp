#include "FillingFixture.h"
#include "forms/filling/FormPeriods.h"
#include "returns/St1Calculation.h"

namespace {
using LocalFormsTest = FillingTest;

TEST_F(LocalFormsTest, St4AndSt8CutTheCityToThirtyOneCharactersBeforeIl) {
    FixedText::set(record->client.city, std::string(40, 'C'));
    ASSERT_TRUE(set->st4.fill(*record, context));
    ASSERT_TRUE(set->st8.fill(*record, context));
    const QString cityLine = QString(31, QLatin1Char('C')) + QStringLiteral("IL") + blank(12);
    EXPECT_EQ(set->st4.fieldText(6), cityLine);
    EXPECT_EQ(set->st8.fieldText(5), cityLine);
    EXPECT_EQ(set->st4.fieldText(7), QStringLiteral("  62701        "));
    EXPECT_EQ(set->st8.fieldText(6), QStringLiteral("  62701        "));
}

TEST_F(LocalFormsTest, St8PrintsOneStreetLineAndTireCountsAsWholeNumbers) {
    FixedText::set(record->client.address2, "Suite 5");
    record->st8.tiresSold = 12;
    record->st8.tiresDeductible = 2;
    ASSERT_TRUE(set->st8.fill(*record, context));
    EXPECT_EQ(set->st8.fieldText(4), QStringLiteral("123 Main St").leftJustified(45));
    EXPECT_EQ(set->st8.fieldText(7), QStringLiteral("         12    "));
    EXPECT_EQ(set->st8.fieldText(9), QStringLiteral("         10    "));
    EXPECT_EQ(set->st8.fieldText(10), QStringLiteral("         25 00 ")); // $2.50 a tire
    EXPECT_EQ(set->st8.fieldText(26), set->st8.fieldText(21));            // voucher = line 15
}

TEST_F(LocalFormsTest, DatesAndPhonesBesideTheSignatures) {
    struct Form {
        FilledForm* form;
        int taxpayerPhone, taxpayerDate, preparerPhone, preparerDate;
        QString date;
    };
    const Form forms[] = {{&set->st14, 0, 1, 2, 3, QStringLiteral("   03/15/2005  ")},
                          {&set->st4, 22, 23, 25, 26, QStringLiteral("  03 15 2005   ")},
                          {&set->st8, 22, 23, 24, 25, QStringLiteral("   03 15 2005  ")}};
    for (const bool datesOn : {true, false}) {
        context.printDateTaxPayer = context.printDateTaxPreparer = datesOn;
        ASSERT_EQ(fillPage1(), kSt1Ok);
        ASSERT_TRUE(set->st14.fill(*record, set->st1.st14ScanLine(), context));
        ASSERT_TRUE(set->st4.fill(*record, context));
        ASSERT_TRUE(set->st8.fill(*record, context));
        for (const Form& form : forms) {
            EXPECT_EQ(form.form->fieldText(form.taxpayerPhone), QStringLiteral("(217) 555-1234 "));
            EXPECT_EQ(form.form->fieldText(form.preparerPhone), QStringLiteral("(312) 555-0100 "));
            EXPECT_EQ(form.form->fieldText(form.taxpayerDate), datesOn ? form.date : blank(15));
            EXPECT_EQ(form.form->fieldText(form.preparerDate), datesOn ? form.date : blank(15));
        }
    }
}

TEST_F(LocalFormsTest, St14PrintsTheScanLineOfPageOneAndTheIbtDigits) {
    ASSERT_EQ(fillPage1(), kSt1Ok);
    ASSERT_TRUE(set->st14.fill(*record, set->st1.st14ScanLine(), context));
    EXPECT_EQ(set->st14.fieldText(12), QStringLiteral("10693020512346 "));
    EXPECT_EQ(set->st14.fieldText(13), QStringLiteral("12345678       "));
    EXPECT_EQ(set->st14.fieldText(4), QStringLiteral(" 1234          "));
    EXPECT_EQ(set->st14.fieldText(6), QStringLiteral("Feb 2005").leftJustified(30));
}

TEST_F(LocalFormsTest, LiabilityPeriodsOfSt4AndSt8) {
    struct Row {
        ReturnPeriod period;
        QDate today;
        const char* st4From;
        const char* st4Through;
        const char* st8From;
        const char* st8Through;
    };
    const auto monthly = [](int month, int priorYear) {
        return ReturnPeriod{1, kMonthlyPeriod, month, 0, 0, 0, priorYear};
    };
    const Row rows[] = {
        {monthly(3, 0), QDate(2004, 5, 2), " 04  01   2004", " 04  30   2004", " 04   2004",
         " 06   2004"},
        {monthly(1, 0), QDate(2004, 3, 2), " 02  01   2004", " 02  29   2004", " 01   2004",
         " 03   2004"},
        {monthly(1, 0), QDate(2005, 3, 2), " 02  01   2005", " 02  28   2005", " 01   2005",
         " 03   2005"},
        {monthly(4, 0), QDate(2005, 6, 1), " 05  01   2005", " 05  31   2005", " 04   2005",
         " 06   2005"},
        {monthly(11, 1), QDate(2005, 1, 9), " 12  01   2004", " 12  31   2004", " 10   2004",
         " 12   2004"},
        {ReturnPeriod{1, kQuarterlyPeriod, 0, 2, 0, 0, 0}, QDate(2005, 10, 3), " 07  01   2005",
         " 09  30   2005", " 07   2005", " 09   2005"},
        {ReturnPeriod{1, kAnnualPeriod, 0, 0, 1, 1, 1}, QDate(2005, 3, 15), " 01  01   2003",
         " 12  31   2003", " 10   2003", " 12   2003"},
        // An annual return without a selected year leaves the boxes blank.
        {ReturnPeriod{1, kAnnualPeriod, 0, 0, -1, 1, 1}, QDate(2005, 3, 15), "", "", "", ""},
    };
    for (const Row& row : rows) {
        const PeriodBoxes st4 = FormPeriods::st4Period(row.period, row.today);
        const PeriodBoxes st8 = FormPeriods::st8Period(row.period, row.today);
        EXPECT_EQ(st4.from, QLatin1String(row.st4From)) << row.st4Through;
        EXPECT_EQ(st4.through, QLatin1String(row.st4Through));
        EXPECT_EQ(st8.from, QLatin1String(row.st8From)) << row.st4Through;
        EXPECT_EQ(st8.through, QLatin1String(row.st8Through));
    }
}

TEST_F(LocalFormsTest, St4PrintsThePeriodAfterItsOtherFields) {
    record->st4.st4Amount = 1010;
    ASSERT_TRUE(set->st4.fill(*record, context));
    EXPECT_EQ(set->st4.fieldText(1), QStringLiteral(" 02  01   2005 "));
    EXPECT_EQ(set->st4.fieldText(2), QStringLiteral(" 02  28   2005 "));
    EXPECT_EQ(set->st4.fieldText(8), QStringLiteral("       1010.00 "));
    EXPECT_EQ(set->st4.fieldText(27), set->st4.fieldText(19)); // voucher = line 15
}
} // namespace
