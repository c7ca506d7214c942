#include "FillingFixture.h"
#include "returns/St1Calculation.h"

namespace {
using St2PageFormTest = FillingTest;
using GasoholWorksheetFormTest = FillingTest;

St2Entry site(const QString& name, Dollars line4a, double rateGeneral) {
    St2Entry entry;
    entry.lines = {QStringLiteral("076-5000-9 001  SPRINGFIELD"), name, QStringLiteral("1 Elm St"),
                   QStringLiteral("Springfield IL 62701"), QString()};
    entry.amounts = {line4a, 0, 0, 0, 0, 0};
    entry.rates = {rateGeneral, 0};
    return entry;
}

// The five text lines of block s start at key 2 + 13 s, the amount 4a at 7 + 13 s and the
// rates at 13 + 13 s.
constexpr int firstKey(int block) {
    return 2 + 13 * block;
}

TEST_F(St2PageFormTest, ThreeSitesFillBlocksZeroToTwoAndTheTotals) {
    St2Entry totals;
    totals.lines[0] = QStringLiteral("Page totals");
    totals.amounts = {600, 0, 0, 0, 0, 0};
    const St2Entry pageEntries[] = {site(QStringLiteral("Store 1"), 100, 0.0875),
                                    site(QStringLiteral("Store 2"), 200, 0.0625),
                                    site(QStringLiteral("Store 3"), 300, 0), totals};
    St2PageForm& page = set->st2Pages[0];
    ASSERT_TRUE(page.fill(pageEntries, QStringLiteral("1234-5678"), QStringLiteral("Feb 2005")));
    EXPECT_EQ(page.fieldText(0), QStringLiteral("1234-5678      "));
    EXPECT_EQ(page.fieldText(1), QStringLiteral("Feb 2005").leftJustified(30));
    EXPECT_EQ(page.fieldText(firstKey(0) + 1), QStringLiteral("Store 1").leftJustified(48));
    EXPECT_EQ(page.fieldText(firstKey(2) + 5), QStringLiteral("        300.00 "));
    EXPECT_EQ(page.fieldText(firstKey(0) + 11), QStringLiteral(".0875"));
    EXPECT_EQ(page.fieldText(firstKey(1) + 11), QStringLiteral(".0625"));
    EXPECT_EQ(page.fieldText(firstKey(2) + 11), blank(5)); // a rate of 0 stays blank
    for (const int block : {3, 4}) {
        for (int key = firstKey(block); key < firstKey(block + 1); ++key)
            EXPECT_EQ(page.fieldText(key).trimmed(), QString()) << "key " << key;
    }
    EXPECT_EQ(page.fieldText(firstKey(5)), QStringLiteral("Page totals").leftJustified(48));
    EXPECT_EQ(page.fieldText(firstKey(5) + 5), QStringLiteral("        600.00 "));
}

TEST_F(St2PageFormTest, WithoutEntriesThePageIsBlankAndSevenEntriesAreRefused) {
    St2PageForm& page = set->st2Pages[1];
    const St2Entry one[] = {site(QStringLiteral("Store 1"), 100, 0.0875), St2Entry{}};
    ASSERT_TRUE(page.fill(one, QStringLiteral("1234-5678"), QStringLiteral("Feb 2005")));
    ASSERT_TRUE(page.fill({}, QStringLiteral("1234-5678"), QStringLiteral("Feb 2005")));
    EXPECT_EQ(page.fieldText(0), blank(15));
    EXPECT_EQ(page.fieldText(firstKey(0) + 1), blank(48));
    const std::vector<St2Entry> seven(7, site(QStringLiteral("Store"), 1, 0));
    EXPECT_FALSE(page.fill(seven, {}, {}));
}

TEST_F(GasoholWorksheetFormTest, DivisionSignIsTheCodePageByte) {
    record->fuelSales.gasoholGallons = 1000;
    record->fuelSales.gasoholReceipts = 2500;
    record->client.motorFuel.sellsMotorFuel = 1;
    computeAll(*record);
    ASSERT_TRUE(set->gasoholWorksheet.fill(*record));
    const QString step5 = set->gasoholWorksheet.fieldText(7);
    const qsizetype sign = step5.indexOf(QLatin1Char(' ')) + 1;
    EXPECT_EQ(step5.at(sign).unicode(), 0xF7) << step5.toStdString();
    EXPECT_EQ(step5.at(sign + 1), QLatin1Char(' '));
    EXPECT_EQ(set->gasoholWorksheet.fieldText(3), QStringLiteral("2500.00        "));
    EXPECT_EQ(set->gasoholWorksheet.fieldText(9), QStringLiteral("8.750 "));
}

TEST_F(GasoholWorksheetFormTest, RateOfTenPercentOrMoreFitsItsField) {
    record->gasoholWorksheet.ratePercent = 10.25;
    ASSERT_TRUE(set->gasoholWorksheet.fill(*record));
    EXPECT_EQ(set->gasoholWorksheet.fieldText(9), QStringLiteral("10.250"));
}
} // namespace
