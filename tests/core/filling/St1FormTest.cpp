#include "FillingFixture.h"
#include "forms/filling/ScanLine.h"
#include "returns/St1Calculation.h"

namespace {
using St1FormTest = FillingTest;

TEST_F(St1FormTest, VoucherPrintsThePaymentDueAndLeavesZeroBlank) {
    struct Row {
        double excessTax;
        double creditMemorandum;
        QString line25Field;
        QString voucher;
    };
    const Row rows[] = {
        {1234, 0, QStringLiteral("       1234 00 "), QStringLiteral("1234.00        ")},
        {0, 0, blank(15), blank(15)},
        // A negative payment due leaves line 25 blank but keeps its minus sign on the voucher.
        {0, 266, blank(15), QStringLiteral("-266.00        ")},
    };
    for (const Row& row : rows) {
        record->st1.excessTaxCollected = row.excessTax;
        record->st1.creditMemorandum = row.creditMemorandum;
        ASSERT_EQ(fillPage1(), kSt1Ok);
        EXPECT_EQ(set->st1.fieldText(42), row.line25Field) << row.voucher.toStdString();
        EXPECT_EQ(set->st1.fieldText(47), row.voucher);
        EXPECT_EQ(set->st1.kept().voucher, record->st1.line25);
    }
}

TEST_F(St1FormTest, BlankFormPrintsNameRatesPeriodAndVendorButNoAmounts) {
    ASSERT_EQ(fillPage1(), kSt1Ok);
    const St1Form& page = set->st1;
    EXPECT_EQ(page.fieldText(57), QStringLiteral("Acme Grocery Inc").leftJustified(41));
    EXPECT_EQ(page.fieldText(58), QStringLiteral("123 Main St").leftJustified(41));
    EXPECT_EQ(page.fieldText(59), QStringLiteral("Springfield IL 62701").leftJustified(41));
    EXPECT_EQ(page.fieldText(60), blank(41));
    EXPECT_EQ(page.fieldText(5), QStringLiteral(".0875"));
    EXPECT_EQ(page.fieldText(8), QStringLiteral(".0225"));
    EXPECT_EQ(page.fieldText(11), QStringLiteral(".0625"));
    EXPECT_EQ(page.fieldText(14), QStringLiteral(".0100"));
    EXPECT_EQ(page.fieldText(20), QStringLiteral(".0175"));
    EXPECT_EQ(page.fieldText(48), QStringLiteral("1234           "));
    EXPECT_EQ(page.fieldText(49), QStringLiteral("1234           "));
    EXPECT_EQ(page.fieldText(52), QStringLiteral("Feb 2005").leftJustified(30));
    EXPECT_EQ(page.fieldText(56), QStringLiteral("Mar 20, 2005").leftJustified(30));
    EXPECT_EQ(page.fieldText(19), QStringLiteral("Mar 20, 2005   "));
    for (const int key : {0, 1, 2, 3, 4, 6, 18, 42, 47, 54})
        EXPECT_EQ(page.fieldText(key).trimmed(), QString()) << "key " << key;
    EXPECT_TRUE(page.fieldText(63).isNull()); // not in the image
}

TEST_F(St1FormTest, IbtNumberKeepsItsHyphensExceptInTheScanLine) {
    ASSERT_EQ(fillPage1(), kSt1Ok);
    EXPECT_EQ(set->st1.fieldText(50), QStringLiteral("1234-5678      "));
    EXPECT_EQ(set->st1.fieldText(51), QStringLiteral("1234-5678      "));
    EXPECT_EQ(set->st1.fieldText(62), QStringLiteral("12345678       "));
    // "00201", period code 0205, vendor 1234 and the check digit; the 15th character stays.
    EXPECT_EQ(set->st1.fieldText(61), QStringLiteral("00201020512340 "));
    EXPECT_EQ(set->st1.st1ScanLine(), QStringLiteral("00201020512340"));
    EXPECT_EQ(set->st1.st14ScanLine(), QStringLiteral("10693020512346"));
}

TEST_F(St1FormTest, CheckDigitFollowsTheRemainderRule) {
    struct Row {
        const char* digits;
        int checkDigit;
    };
    const Row rows[] = {
        {"0000000000000", 0}, // remainder 0
        {"0010000000000", 1}, // 1 x 12: remainder 1
        {"0000000100000", 4}, // 1 x 7: remainder 7 gives 11 - 7
        {"1000000000000", 8}, // 1 x 14: remainder 3
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScanLine::checkDigit(QLatin1String(row.digits)), row.checkDigit) << row.digits;
    // March 2005 monthly with vendor 1234: 0 0 2 0 1 0 3 0 5 1 2 3 4 weigh 118, remainder 8.
    EXPECT_EQ(ScanLine::build(ScanLine::kSt1FormCode, QStringLiteral("0305"), 1234),
              QStringLiteral("00201030512343"));
}

TEST_F(St1FormTest, LocationLineMarksSingleAndMultiSiteClients) {
    ASSERT_EQ(fillPage1(), kSt1Ok);
    EXPECT_EQ(set->st1.fieldText(55), blank(15) + QStringLiteral("076-5000-9") + blank(10) +
                                          QStringLiteral("SL") + blank(8));
    record->client.multiSite = 1;
    ASSERT_EQ(fillPage1(), kSt1Ok);
    EXPECT_EQ(set->st1.fieldText(55), blank(40) + QStringLiteral("ST-2") + blank(1));
}

TEST_F(St1FormTest, SignatureLinesAndDatesFollowTheOptions) {
    struct Row {
        bool taxpayerDate;
        bool preparerDate;
    };
    for (const Row row : {Row{true, true}, Row{false, false}, Row{true, false}}) {
        context.printDateTaxPayer = row.taxpayerDate;
        context.printDateTaxPreparer = row.preparerDate;
        ASSERT_EQ(fillPage1(), kSt1Ok);
        const QString date = QStringLiteral("   03  15  2005");
        EXPECT_EQ(set->st1.fieldText(44), row.taxpayerDate ? date : blank(15));
        EXPECT_EQ(set->st1.fieldText(46), row.preparerDate ? date : blank(15));
        // The dates are kept even when their option keeps them off the page.
        EXPECT_EQ(set->st1.kept().texts[44], date);
        EXPECT_EQ(set->st1.kept().texts[46], date);
    }
    EXPECT_EQ(set->st1.fieldText(43), blank(21) + QStringLiteral("217-555-1234"));
    EXPECT_EQ(set->st1.fieldText(45), QStringLiteral("Jane Q Preparer      312-555-0100"));
}

TEST_F(St1FormTest, TransmittalAddressWithTwoStreetLinesFillsFourLines) {
    ClientRecord& client = record->client;
    client.transmittalDiffers = 1;
    FixedText::set(client.transmittalAddress1, "PO Box 1234");
    FixedText::set(client.transmittalAddress2, "Attn: Accounts");
    FixedText::set(client.transmittalCity, "Oak Park");
    FixedText::set(client.transmittalZip, "62593");
    ASSERT_EQ(fillPage1(), kSt1Ok);
    EXPECT_EQ(set->st1.fieldText(58), QStringLiteral("PO Box 1234").leftJustified(41));
    EXPECT_EQ(set->st1.fieldText(59), QStringLiteral("Attn: Accounts").leftJustified(41));
    EXPECT_EQ(set->st1.fieldText(60), QStringLiteral("Oak Park IL 62593").leftJustified(41));
}

TEST_F(St1FormTest, NameOfFortyTwoCharactersFailsBeforeAnyWrite) {
    FixedText::set(record->client.businessName, std::string(41, 'N'));
    ASSERT_EQ(fillPage1(), kSt1Ok);
    EXPECT_EQ(set->st1.fieldText(57), QString(41, QLatin1Char('N')));

    FixedText::set(record->client.businessName, std::string(42, 'N'));
    EXPECT_EQ(fillPage1(), kSt1FieldFailed);
    EXPECT_EQ(set->st1.failedKey(), 57);
    // The page was blanked and nothing after the name was written; the ST-14 scan line is
    // built only for a complete page.
    EXPECT_EQ(set->st1.fieldText(57), blank(41));
    EXPECT_EQ(set->st1.fieldText(11), blank(5));
    EXPECT_EQ(set->st1.st1ScanLine(), QStringLiteral("00201020512340"));
    EXPECT_TRUE(set->st1.st14ScanLine().isEmpty());
}

TEST_F(St1FormTest, BasesThatDoNotAddUpChangeNoField) {
    record->st1.excessTaxCollected = 500;
    ASSERT_EQ(fillPage1(), kSt1Ok);
    const QByteArray before = set->st1.workingImage();
    record->st1.totalReceipts = 3009.54;
    record->st1.foodSalesInside = 1000.83;
    record->st1.generalSalesOutside = 213.83;
    record->st1.otherRateReceipts = 60.71;
    record->st1.otherRateTax = 4.25;
    record->worksheet.resale = 159;
    EXPECT_EQ(fillPage1(), kSt1BasesDoNotAddUp);
    EXPECT_EQ(set->st1.workingImage(), before);
    EXPECT_TRUE(set->st1.st1ScanLine().isEmpty());
}

TEST_F(St1FormTest, NewFillLeavesNothingOfThePreviousReturn) {
    record->st1.excessTaxCollected = 777;
    ASSERT_EQ(fillPage1(), kSt1Ok);
    ASSERT_EQ(set->st1.fieldText(39), QStringLiteral("        777 00 "));
    resetReturnAndForms(*record, *set, context);
    EXPECT_EQ(set->st1.fieldText(39), blank(15));
    EXPECT_EQ(set->st1.fieldText(47), blank(15));
    EXPECT_EQ(set->st1.fieldText(57), blank(41));
    EXPECT_EQ(set->st1.fieldText(59), QStringLiteral(" IL ").leftJustified(41));
}
} // namespace
