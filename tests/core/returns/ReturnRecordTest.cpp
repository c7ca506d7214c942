#include "returns/ReturnRecord.h"

#include "platform/FixedText.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {
bool sameBytes(const ClientRecord& a, const ClientRecord& b) {
    return std::memcmp(&a, &b, sizeof(ClientRecord)) == 0;
}

ClientRecord emptyClient() {
    ClientRecord client;
    initClientRecord(client);
    return client;
}
} // namespace

TEST(ReturnRecord, ResetClearsEverySectionAndRestoresThePeriodDefaults) {
    auto record = std::make_unique<ReturnRecord>();
    ClientRecord client = emptyClient();
    FixedText::set(client.businessName, "Acme Grocery Inc");
    takeClient(*record, client);
    ReturnPeriod period;
    period.onTime = 0;
    period.periodType = kAnnualPeriod;
    period.yearIndex = 2;
    period.useDateRule = 1;
    period.priorYear = 1;
    setPeriod(*record, period);
    record->st1.totalReceipts = 1000.0;
    record->st1.line25 = 7;
    record->st1.check.correction = 1;
    record->worksheet.resale = 5;
    record->worksheet.otherServiceDescription = QStringLiteral("Alterations");
    record->fuelSales.gasoholGallons = 10;
    record->gasoholWorksheet.divisor = 1.05;
    record->st14.st14Method = kAllTaxesMethod;
    record->st4.line15 = 3;
    record->st8.tiresSold = 9;
    record->summary.summaryPaymentDue = 8;
    record->texts.periodCode = QStringLiteral("0205");

    resetReturn(*record);

    EXPECT_EQ(record->period, ReturnPeriod());
    EXPECT_EQ(record->period.onTime, 1);
    EXPECT_EQ(record->period.periodType, kMonthlyPeriod);
    EXPECT_TRUE(sameBytes(record->client, emptyClient()));
    EXPECT_EQ(record->st1.totalReceipts, 0.0);
    EXPECT_EQ(record->st1.line25, 0);
    EXPECT_EQ(record->st1.check.correction, 0);
    EXPECT_EQ(record->worksheet.resale, 0);
    EXPECT_TRUE(record->worksheet.otherServiceDescription.isEmpty());
    EXPECT_EQ(record->fuelSales.gasoholGallons, 0);
    EXPECT_EQ(record->gasoholWorksheet.divisor, 0.0);
    EXPECT_EQ(record->st14.st14Method, kTotalReceiptsMethod);
    EXPECT_EQ(record->st4.line15, 0);
    EXPECT_EQ(record->st8.tiresSold, 0);
    EXPECT_EQ(record->summary.summaryPaymentDue, 0);
    EXPECT_TRUE(record->texts.periodCode.isEmpty());
}

TEST(ReturnRecord, TakeClientCopiesTheWholeRecord) {
    auto record = std::make_unique<ReturnRecord>();
    ClientRecord client = emptyClient();
    FixedText::set(client.businessName, "Acme Grocery Inc");
    client.filesST8 = 1;
    client.taxRecord.parse("076-5000-9SPRINGFIELD");
    takeClient(*record, client);
    EXPECT_TRUE(sameBytes(record->client, client));
}

TEST(ReturnRecord, CurrentReturnIsOneRecordForTheWholeProgram) {
    EXPECT_EQ(&currentReturn(), &currentReturn());
}
