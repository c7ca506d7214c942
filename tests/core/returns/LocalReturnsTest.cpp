#include "returns/LocalReturns.h"

#include "ReturnTestRecord.h"

#include <gtest/gtest.h>

namespace {
class LocalReturns : public ::testing::Test {
protected:
    LocalReturns() : today_(QDate(2005, 3, 15)), record_(returnWithRates("06250")) {}
    ReturnRecord& record() { return *record_; }

private:
    PinnedToday today_;
    std::unique_ptr<ReturnRecord> record_;
};
} // namespace

TEST_F(LocalReturns, NothingEnteredGivesZeroLines) {
    computeSt4(record());
    computeSt8(record());
    const St14Section& st14 = record().st14;
    const St4Section& st4 = record().st4;
    const St8Section& st8 = record().st8;
    for (Dollars line : {st14.line1, st14.line2, st14.line3, st14.line4, st14.line5, st14.line6,
                         st14.st14WorksheetAmount})
        EXPECT_EQ(line, 0);
    for (Dollars line : {st4.line1, st4.line4, st4.line6, st4.line8, st4.line13, st4.line15,
                         st4.st4WorksheetAmount})
        EXPECT_EQ(line, 0);
    for (Dollars line : {st8.line3, st8.line4, st8.line5, st8.line8, st8.line13, st8.line15,
                         st8.st8WorksheetAmount})
        EXPECT_EQ(line, 0);
}

TEST_F(LocalReturns, SoftDrinkTaxWorkedExample) {
    record().st14.st14Method = kTotalReceiptsMethod;
    record().st14.st14Amount = 10300.00;
    computeSt14(record());
    const St14Section& st14 = record().st14;
    EXPECT_EQ(st14.line3, 10000);
    EXPECT_EQ(st14.line4, 300);
    EXPECT_EQ(st14.line1, 10300);
    EXPECT_EQ(st14.line2, 300);
    EXPECT_EQ(st14.line5, 5);
    EXPECT_EQ(st14.line6, 295);
    EXPECT_EQ(st14.st14WorksheetAmount, 300);
    EXPECT_EQ(record().summary.st14PaymentDue, 295);
}

TEST_F(LocalReturns, SoftDrinkTaxableReceipts) {
    record().st14.st14Method = kTaxableReceiptsMethod;
    record().st14.st14Amount = 10000.00;
    computeSt14(record());
    EXPECT_EQ(record().st14.line3, 10000);
    EXPECT_EQ(record().st14.line4, 300);
    EXPECT_EQ(record().st14.line1, 10300);
}

TEST_F(LocalReturns, SoftDrinkAmountWithAllTaxesDependsOnAnMpeaAmount) {
    record().st14.st14Method = kAllTaxesMethod;
    record().st14.st14Amount = 11025.00; // 10000 + 3 % + 6.25 % + 1 % MPEA
    computeSt14(record());
    EXPECT_EQ(record().st14.line3, 10092); // 11025 / 1.0925: no MPEA amount entered
    record().st4.st4Amount = 1.00;
    computeSt14(record());
    EXPECT_EQ(record().st14.line3, 10000); // 11025 / 1.1025
    EXPECT_EQ(record().st14.line4, 300);
    EXPECT_EQ(record().st14.line1, 10300);
}

TEST_F(LocalReturns, MpeaWorkedExample) {
    St4Section& st4 = record().st4;
    st4.st4Method = kTaxableReceiptsMethod;
    st4.st4Amount = 10000.00;
    computeSt4(record());
    EXPECT_EQ(st4.line3, 10000);
    EXPECT_EQ(st4.line4, 100);
    EXPECT_EQ(st4.line1, 10100);
    EXPECT_EQ(st4.line5, 2);
    EXPECT_EQ(st4.line6, 98);
    st4.st4PriorOverpayment = 50;
    computeSt4(record());
    EXPECT_EQ(st4.line7, 50);
    EXPECT_EQ(st4.line8, 48);
    EXPECT_EQ(st4.line15, 48);
    EXPECT_EQ(st4.st4WorksheetAmount, 50);
    EXPECT_EQ(record().summary.st4PaymentDue, 48);
}

TEST_F(LocalReturns, MpeaPaymentLines) {
    St4Section& st4 = record().st4;
    st4.st4Method = kTotalReceiptsMethod;
    st4.st4Amount = 10100.00;
    st4.st4Penalty = 7;
    st4.st4Interest = 3;
    st4.st4ExcessTaxCollected = 20;
    st4.st4CreditMemorandum = 8;
    computeSt4(record());
    EXPECT_EQ(st4.line3, 10000);
    EXPECT_EQ(st4.line4, 100);
    EXPECT_EQ(st4.line11, 10);
    EXPECT_EQ(st4.line13, 128); // 98 + 10 + 20
    EXPECT_EQ(st4.line15, 120);
    EXPECT_EQ(st4.st4WorksheetAmount, 112); // 100 + 20 - 0 - 8
}

TEST_F(LocalReturns, MpeaAmountWithAllTaxesLosesTheComputedSoftDrinkTax) {
    record().st14.st14Method = kTaxableReceiptsMethod;
    record().st14.st14Amount = 1000.00; // soft drink tax 30
    record().st4.st4Method = kAllTaxesMethod;
    record().st4.st4Amount = 1102.50; // (1102.50 - 30) / 1.0725 = 1000
    computeSt4(record());
    EXPECT_EQ(record().st14.line4, 30);
    EXPECT_EQ(record().st4.line3, 1000);
    EXPECT_EQ(record().st4.line4, 10);
    EXPECT_EQ(record().st4.line1, 1010);
}

TEST_F(LocalReturns, TireFeeWorkedExample) {
    St8Section& st8 = record().st8;
    st8.tiresSold = 120;
    st8.tiresDeductible = 20;
    computeSt8(record());
    EXPECT_EQ(st8.line1, 120);
    EXPECT_EQ(st8.line2, 20);
    EXPECT_EQ(st8.line3, 100);
    EXPECT_EQ(st8.line4, 250);
    EXPECT_EQ(st8.line5, 10);
    EXPECT_EQ(st8.line7, 10);
    EXPECT_EQ(st8.line8, 240);
    EXPECT_EQ(st8.line15, 240);
    EXPECT_EQ(st8.st8WorksheetAmount, 250);
    EXPECT_EQ(record().summary.st8PaymentDue, 240);
}

TEST_F(LocalReturns, LateReturnLosesTheDiscountButKeepsTheTireAllowance) {
    record().period.onTime = 0;
    record().st14.st14Amount = 10300.00;
    record().st4.st4Amount = 10100.00;
    record().st8.tiresSold = 100;
    computeSt4(record());
    computeSt8(record());
    EXPECT_EQ(record().st14.line5, 0);
    EXPECT_EQ(record().st14.line6, 300);
    EXPECT_EQ(record().st4.line5, 0);
    EXPECT_EQ(record().st4.line6, 100);
    EXPECT_EQ(record().st8.line5, 10);
}

TEST_F(LocalReturns, MoreDeductibleTiresThanSoldGiveNegativeFees) {
    record().st8.tiresSold = 10;
    record().st8.tiresDeductible = 30;
    computeSt8(record());
    EXPECT_EQ(record().st8.line3, -20);
    EXPECT_EQ(record().st8.line4, -49); // roundDollars(-50)
    EXPECT_EQ(record().st8.line5, -1);  // roundDollars(-2)
    EXPECT_EQ(record().st8.line15, -48);
}
