#include "returns/inputs/CarryForward.h"

#include "platform/FixedText.h"
#include "returns/EnteredSections.h"
#include "returns/LiabilityPeriod.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationResult.h"

#include <QJsonDocument>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr int M = kMonthlyPeriod;
constexpr int Q = kQuarterlyPeriod;
constexpr int A = kAnnualPeriod;

// Inputs as a return stored for `period` would keep them.
StoredInputs storedFor(const FilingPeriod& period, int onTime = 1) {
    auto record = std::make_unique<ReturnRecord>();
    record->st1.totalReceipts = 12345.67;
    record->st1.purchasesGeneral = 0.5;
    record->worksheet.resale = 1235;
    record->worksheet.otherDeduction1Description = QStringLiteral("Trade-ins");
    record->fuelSales.gasolineGallons = 15000;
    record->st14.st14Method = 2;
    record->st4.st4Method = 1;
    record->st8.tiresSold = 40;
    record->summary.summaryTotalReceipts = 12346;
    record->summary.summaryPaymentDue = 812;
    const QDate preparedOn = lastDayOf(period).addDays(10);
    ReturnPeriod choice = *periodChoiceFor(period, onTime, preparedOn);
    record->period = choice;
    StoredInputs inputs = singleSiteInputs(*record, preparedOn, {});
    QString problem;
    return *parseStoredInputs(inputsText(inputs), problem);
}

TEST(CarryForward, AdvancesThePeriodByItsType) {
    const struct {
        FilingPeriod last;
        QDate today;
        FilingPeriod next;
    } cases[] = {
        {{M, 2025, 2}, QDate(2025, 4, 2), {M, 2025, 3}},
        {{M, 2024, 12}, QDate(2025, 2, 1), {M, 2025, 1}},
        {{M, 2024, 6}, QDate(2024, 8, 1), {M, 2024, 7}},
        {{Q, 2024, 4}, QDate(2025, 4, 2), {Q, 2025, 1}},
        {{Q, 2025, 2}, QDate(2025, 7, 2), {Q, 2025, 3}},
        {{A, 2023, 0}, QDate(2025, 1, 5), {A, 2024, 0}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(periodLabel(test.last).toStdString());
        const CarryForward carry = carryForwardFrom(storedFor(test.last), test.today);
        EXPECT_EQ(carry.lastPeriod, test.last);
        EXPECT_EQ(carry.next, test.next);
        ASSERT_TRUE(carry.nextChoice);
        // The choice the period page gets stands for the next period on that day.
        EXPECT_EQ(filingPeriodOf(*carry.nextChoice, test.today), test.next);
        ReturnPeriod completed = *carry.nextChoice;
        applyPeriodChoice(completed, test.today);
        EXPECT_EQ(completed, *carry.nextChoice) << "the date rule is set as the page sets it";
    }
}

TEST(CarryForward, ANextPeriodOffTheListsIsLeftToThePreparer) {
    // In 2025 the month list offers Jan-Jun 2025 and Jul-Dec 2024 (early in the year): March
    // 2023 is not on it; the year list offers 2022 to 2025.
    const CarryForward months = carryForwardFrom(storedFor({M, 2023, 2}), QDate(2025, 4, 2));
    EXPECT_EQ(months.next, (FilingPeriod{M, 2023, 3}));
    EXPECT_TRUE(months.nextPeriodUnavailable());
    EXPECT_EQ(carryForwardNote(months), "The last stored return is for Feb 2023; the next "
                                        "period, Mar 2023, is not on the lists below: please "
                                        "choose the period.");
    EXPECT_TRUE(
        carryForwardFrom(storedFor({A, 2020, 0}), QDate(2025, 4, 2)).nextPeriodUnavailable());
    const CarryForward offered = carryForwardFrom(storedFor({M, 2025, 2}), QDate(2025, 4, 2));
    EXPECT_EQ(
        carryForwardNote(offered),
        "The last stored return is for Feb 2025; the next period, Mar 2025, is chosen below.");
}

TEST(CarryForward, KeepsOnTimeAndTheProfileAnswersButNoAmounts) {
    const CarryForward carry = carryForwardFrom(storedFor({M, 2025, 2}, 0), QDate(2025, 4, 2));
    EXPECT_EQ(carry.nextChoice->onTime, 0);
    EXPECT_EQ(QJsonDocument(carry.answers).toJson(QJsonDocument::Compact),
              R"({"st14":{"st14Method":2},"st4":{"st4Method":1},"worksheet":{)"
              R"("otherDeduction1Description":"Trade-ins","otherDeduction2Description":"",)"
              R"("otherServiceDescription":""}})");
}

TEST(CarryForward, HintsShowEveryLastFigureAsItWasKept) {
    const CarryForward carry = carryForwardFrom(storedFor({M, 2025, 2}), QDate(2025, 4, 2));
    const std::pair<const char*, const char*> hints[] = {
        {"totalReceipts", "last: 12,345.67"}, // cents where the field takes them
        {"purchasesGeneral", "last: 0.50"},
        {"liquorPurchases", "last: 0.00"},
        {"resale", "last: 1,235"},           // whole dollars where the page rounds
        {"gasolineGallons", "last: 15,000"}, // counts
        {"tiresSold", "last: 40"},
        {"st4PriorOverpayment", "last: 0"}};
    for (const auto& [field, hint] : hints)
        EXPECT_EQ(carry.hints.value(QLatin1String(field)), QLatin1String(hint)) << field;
    EXPECT_FALSE(carry.hints.contains("otherDeduction1Description")) << "texts are answers";
    EXPECT_FALSE(carry.hints.contains("st14Method"));
    EXPECT_EQ(carry.lastSummary.summaryTotalReceipts, 12346);
    EXPECT_EQ(carry.lastSummary.summaryPaymentDue, 812);
}

TEST(CarryForward, MoneyTextRoundsToCentsAndGroupsThousands) {
    EXPECT_EQ(moneyText(0), "0.00");
    EXPECT_EQ(moneyText(1234567.891), "1,234,567.89");
    EXPECT_EQ(moneyText(0.005), "0.01");
    EXPECT_EQ(moneyText(9999999999.99), "9,999,999,999.99");
}

TEST(CarryForward, MarksChangesOverHalfUpOrDownAndSignChanges) {
    const struct {
        Dollars last;
        Dollars now;
        const char* percent;
        bool marked;
        const char* reason;
    } cases[] = {
        {100, 150, "+50.0 %", false, ""}, // at the threshold
        {100, 151, "+51.0 %", true, "over 50 % up"},
        {100, 50, "-50.0 %", false, ""},
        {100, 49, "-51.0 %", true, "over 50 % down"},
        {12345, 123450, "+900.0 %", true, "over 50 % up"}, // an extra zero
        {12345, 12300, "-0.4 %", false, ""},
        {500, -20, "-104.0 %", true, "sign changed"},
        {-500, 300, "+160.0 %", true, "sign changed"},
        {-500, -400, "+20.0 %", false, ""},
        {0, 0, "0.0 %", false, ""},
        {0, 10, "new", true, "last was 0"},
        {100, 0, "-100.0 %", true, "over 50 % down"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::to_string(test.last) + " -> " + std::to_string(test.now));
        const FigureChange change = compareWithLast(test.last, test.now);
        EXPECT_EQ(change.percent, QLatin1String(test.percent));
        EXPECT_EQ(change.marked, test.marked);
        EXPECT_EQ(change.reason, QLatin1String(test.reason));
    }
}
} // namespace

namespace {
// A multi-site return stored with two locations: number 7 at code "016-0000-1" and the second
// row without a stored number at code "031-0000-2".
StoredInputs twoLocations() {
    auto results = std::make_unique<LocationResults>();
    results->count = 2;
    results->entries[0].location.locationNumber = 7;
    FixedText::set(results->entries[0].location.locationCode, "016-0000-1");
    results->entries[0].st1.totalReceipts = 700;
    results->entries[0].st1.line1 = 700;
    FixedText::set(results->entries[1].location.locationCode, "031-0000-2");
    results->entries[1].st1.totalReceipts = 200.25;
    auto combined = std::make_unique<ReturnRecord>();
    combined->period.periodType = kQuarterlyPeriod;
    const StoredInputs stored = multiSiteInputs(*combined, *results, QDate(2025, 4, 2), {});
    QString problem;
    return *parseStoredInputs(inputsText(stored), problem);
}

TEST(CarryForward, ALocationTakesTheHintsOfTheSameLocationOnly) {
    const StoredInputs last = twoLocations();
    ClientLocation location{};
    location.locationNumber = 7;
    FixedText::set(location.locationCode, "016-0000-1");
    const std::optional<CarryForward> first = carryForwardForLocation(last, location, 3);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->hints.value("totalReceipts"), "last: 700.00");
    EXPECT_EQ(first->lastSummary.summaryTotalReceipts, 700);
    // Without a stored number a location is known by its row, counted from 1.
    ClientLocation second{};
    FixedText::set(second.locationCode, "031-0000-2");
    EXPECT_EQ(carryForwardForLocation(last, second, 1)->hints.value("totalReceipts"),
              "last: 200.25");
    EXPECT_FALSE(carryForwardForLocation(last, second, 2)) << "another row";
    FixedText::set(location.locationCode, "016-0000-9");
    EXPECT_FALSE(carryForwardForLocation(last, location, 0)) << "another code";
}
} // namespace
