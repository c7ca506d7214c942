#include "returns/EnteredSections.h"

#include "returns/ReturnRecord.h"

#include <QJsonDocument>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Entry sections as a preparer's pages leave them: cents on the amounts the calculations take
// as typed, whole dollars on the pages that round when they are left, texts, methods, counts.
QJsonObject typedSections() {
    return QJsonDocument::fromJson(R"({
        "st1": {"totalReceipts": 10000.55, "foodSalesInside": 2000.1, "creditMemorandum": 3.99},
        "worksheet": {"resale": 500.5, "otherDeduction1": 12.49,
                      "otherDeduction1Description": "Trade-ins \u00e9"},
        "fuelSales": {"gasoholGallons": 1200, "gasoholReceipts": 4321.09},
        "st14": {"st14Method": 1, "st14Amount": 250.25},
        "st4": {"st4Method": 2, "st4Amount": 99.99, "st4Penalty": 10.5},
        "st8": {"tiresSold": 7, "st8Interest": 0.49}
    })")
        .object();
}
} // namespace

TEST(EnteredSections, StoresAsThePagesStoreAndReadsBackTheSameFigures) {
    auto record = std::make_unique<ReturnRecord>();
    resetReturn(*record);
    EnteredSections::storeEntries(typedSections(), *record);
    EXPECT_EQ(record->st1.totalReceipts, 10000.55);
    EXPECT_EQ(record->worksheet.resale, 501);         // whole-dollar page: 500.5 rounds up
    EXPECT_EQ(record->worksheet.otherDeduction1, 12); // 12.49 rounds down
    EXPECT_EQ(record->st4.st4Penalty, 11);
    EXPECT_EQ(record->st8.st8Interest, 0);
    EXPECT_EQ(record->fuelSales.gasoholGallons, 1200);

    const QJsonObject shown = EnteredSections::entries(*record);
    EXPECT_EQ(shown["st1"]["foodSalesInside"].toDouble(), 2000.1);
    EXPECT_EQ(shown["st1"]["liquorPurchases"].toDouble(), 0.0); // missing reads as 0
    EXPECT_EQ(shown["worksheet"]["resale"].toInteger(), 501);
    EXPECT_EQ(shown["worksheet"]["otherDeduction1Description"].toString(),
              QStringLiteral("Trade-ins \u00e9"));
    EXPECT_EQ(shown["st14"]["st14Method"].toInt(), 1);
    EXPECT_EQ(shown["st4"]["st4Amount"].toDouble(), 99.99);
    EXPECT_EQ(shown["st8"]["tiresSold"].toInteger(), 7);

    // Stored again from what it wrote, the record gives the same sections.
    auto again = std::make_unique<ReturnRecord>();
    resetReturn(*again);
    EnteredSections::storeEntries(shown, *again);
    EXPECT_EQ(EnteredSections::entries(*again), shown);
}

TEST(EnteredSections, PeriodChoiceRoundTrips) {
    const ReturnPeriod period{0, 2, 5, 3, 2, 0, 0};
    EXPECT_EQ(EnteredSections::periodChoice(EnteredSections::periodSection(period)), period);
}
