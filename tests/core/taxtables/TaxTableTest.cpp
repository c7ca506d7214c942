#include "taxtables/TaxTable.h"

#include "platform/Clock.h"
#include "support/TestPaths.h"
#include "taxtables/RateText.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {
// A 140-character table line with the given code, effective date and rate sets.
std::string tableLine(const std::string& code, const std::string& date = "20050101",
                      const std::string& currentGeneral = "06250",
                      const std::string& priorGeneral = "06000") {
    std::string line = code;
    line.resize(10, ' ');
    line += std::string("SPRINGFIELD").append(14, ' ') + std::string("SANGAMON").append(17, ' ');
    line += date + currentGeneral + "01000" + " " + "06250" + "01000" + " 00000 ";
    line += std::string(16, ' ') + priorGeneral + "00750" + " " + "06000" + "00500" + " 00000 ";
    return line;
}

std::string trailer(const std::string& date) {
    return std::string(60, ' ') + date + std::string(72, ' ');
}

class TableFile {
public:
    explicit TableFile(const std::string& text) {
        QFile file(dir_.filePath("Data.tbl"));
        file.open(QIODevice::WriteOnly);
        file.write(text.data(), static_cast<qint64>(text.size()));
    }
    QString path() const { return dir_.filePath("Data.tbl"); }

private:
    QTemporaryDir dir_;
};

std::string field(const char* text) {
    return std::string(text);
}
} // namespace

TEST(TaxTableRecord, ParsesEveryFieldAtItsOffset) {
    TaxTableRecord record;
    record.parse(tableLine("084-0001-3"));
    EXPECT_EQ(field(record.locationCode), "084-0001-3");
    EXPECT_EQ(field(record.locationName), "SPRINGFIELD              ");
    EXPECT_EQ(field(record.countyName), "SANGAMON                 ");
    EXPECT_EQ(field(record.effectiveDate), "20050101");
    EXPECT_EQ(field(record.currentGeneralRate), "06250");
    EXPECT_EQ(field(record.currentFoodRate), "01000");
    EXPECT_EQ(field(record.currentFlag1), " ");
    EXPECT_EQ(field(record.currentReservedRate), "00000");
    EXPECT_EQ(field(record.reservedDate1), "        ");
    EXPECT_EQ(field(record.priorGeneralRate), "06000");
    EXPECT_EQ(field(record.priorFoodRate), "00750");
    EXPECT_EQ(field(record.priorPurchaseGeneralRate), "06000");
    EXPECT_EQ(field(record.priorPurchaseFoodRate), "00500");
    EXPECT_EQ(field(record.priorFlag3), " ");
}

TEST(TaxTableRecord, ShortLineLeavesLaterFieldsEmptyAndKeepsTheLineEnd) {
    TaxTableRecord record;
    std::memset(&record, 'x', sizeof(record));
    record.parse("016-0001-1CHICAGO\n");
    EXPECT_EQ(field(record.locationCode), "016-0001-1");
    EXPECT_EQ(field(record.locationName), "CHICAGO\n");
    EXPECT_EQ(field(record.countyName), "");
    EXPECT_EQ(field(record.priorFlag3), "");
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    EXPECT_EQ(bytes[161], 0);
}

TEST(TaxTable, LoadsLinesIndexAndTrailerDate) {
    const TableFile file(tableLine("016-0001-1") + "\r\n" + tableLine("022-0068-6") + "\r\n" +
                         tableLine("016-0001-1", "20050101", "09000") + "\r\n" +
                         trailer("20050701") + "\r\n");
    TaxTable table;
    ASSERT_TRUE(table.load(file.path()));
    EXPECT_EQ(table.count(), 3) << "the trailer is not a location";
    EXPECT_EQ(table.lastUpdated().year, 2005);
    EXPECT_EQ(table.lastUpdated().month, 7);
    EXPECT_EQ(table.lastUpdated().day, 1);

    TaxTableRecord record;
    ASSERT_TRUE(table.recordAt(0, record));
    EXPECT_EQ(field(record.currentGeneralRate), "06250") << "the list keeps both duplicates";
    ASSERT_TRUE(table.lookup("016-0001-1", record));
    EXPECT_EQ(field(record.currentGeneralRate), "09000") << "the later duplicate wins the lookup";
    EXPECT_EQ(field(record.priorFlag3), " ") << "CR LF counts as one line end";
    EXPECT_FALSE(table.recordAt(3, record));
    EXPECT_FALSE(table.recordAt(-1, record));
}

TEST(TaxTable, LookupIsExactAndLeavesTheRecordAloneWhenNotFound) {
    const TableFile file(tableLine("016-0001-1") + "\n" + trailer("20050701") + "\n");
    TaxTable table;
    TaxTableRecord record;
    std::memset(&record, 'x', sizeof(record));
    EXPECT_FALSE(table.lookup("016-0001-1", record)) << "nothing is found before a load";
    ASSERT_TRUE(table.load(file.path()));
    for (const char* code : {"016-0001-2", "0160001-1", "016-0001-", ""}) {
        EXPECT_FALSE(table.lookup(code, record)) << code;
    }
    EXPECT_EQ(record.locationCode[0], 'x');
}

TEST(TaxTable, SingleLineIsOnlyTheTrailer) {
    const TableFile file(trailer("20051231"));
    TaxTable table;
    ASSERT_TRUE(table.load(file.path()));
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.lastUpdated().month, 12);
    EXPECT_EQ(table.lastUpdated().day, 31);
}

TEST(TaxTable, MissingOrEmptyFileFailsToLoad) {
    TaxTable table;
    EXPECT_FALSE(table.load("/nonexistent/Data.tbl"));
    const TableFile empty("");
    EXPECT_FALSE(table.load(empty.path()));
    EXPECT_FALSE(table.isLoaded());
}

TEST(TaxTable, MalformedLinesLoadWithZeroRates) {
    const TableFile file("016-0001-1SHORT\nnot a table line at all\n" + trailer("2005xx01"));
    TaxTable table;
    ASSERT_TRUE(table.load(file.path()));
    TaxTableRecord record;
    ASSERT_TRUE(table.lookup("016-0001-1", record));
    EXPECT_EQ(TaxTable::generalRate(record, false), 0.0);
    EXPECT_EQ(table.lastUpdated().year, 2005);
    EXPECT_EQ(table.lastUpdated().month, 0) << "non-digits give 0";
}

TEST(TaxTable, OverlongLinesAreReadInPiecesLikeAFixedBuffer) {
    const std::string longLine = tableLine("016-0001-1") + std::string(100, 'z');
    const TableFile file(longLine + "\n" + trailer("20050701") + "\n");
    TaxTable table;
    ASSERT_TRUE(table.load(file.path()));
    EXPECT_EQ(table.count(), 2) << "a 240-character line is read as 199 + 42 characters";
}

TEST(TaxTable, ChooseRateSetCountsSixMonthsFromTheChange) {
    struct Case {
        const char* effective;
        QDate today;
        bool useDateRule;
        RateSet expected;
    };
    const Case cases[] = {
        {"20050101", {2005, 3, 15}, true, RateSet::Prior},
        {"20050101", {2005, 7, 15}, true, RateSet::Current},
        {"20050101", {2005, 6, 30}, true, RateSet::Prior},
        {"20050115", {2005, 7, 15}, true, RateSet::Prior}, // counted from February
        {"20050115", {2005, 8, 1}, true, RateSet::Current},
        {"20041201", {2005, 6, 1}, true, RateSet::Current},
        {"20041215", {2005, 6, 1}, true, RateSet::Prior}, // counted from January 2005
        {"20041215", {2005, 7, 1}, true, RateSet::Current},
        {"20060101", {2005, 7, 1}, true, RateSet::Prior}, // a change in the future
        {"20050101", {2005, 3, 15}, false, RateSet::Current},
        {"", {2005, 3, 15}, true, RateSet::Current},
    };
    for (const Case& c : cases) {
        TaxTableRecord record;
        record.clear();
        std::strcpy(record.effectiveDate, c.effective);
        EXPECT_EQ(TaxTable::chooseRateSet(record, c.useDateRule, c.today), c.expected)
            << c.effective << " on " << c.today.toString(Qt::ISODate).toStdString()
            << (c.useDateRule ? " with" : " without") << " the date rule";
    }
}

TEST(TaxTable, RateAccessorsReadTheChosenSet) {
    TaxTableRecord record;
    record.parse(tableLine("016-0001-1", "20050101", "07250", "06250"));
    Clock::setFixedDate({2005, 3, 15});
    EXPECT_EQ(TaxTable::generalRate(record, true), 0.0625);
    EXPECT_EQ(TaxTable::foodRate(record, true), 0.0075);
    EXPECT_EQ(TaxTable::purchaseGeneralRate(record, true), 0.06);
    EXPECT_EQ(TaxTable::purchaseFoodRate(record, true), 0.005);
    EXPECT_EQ(TaxTable::generalRate(record, false), 0.0725);
    EXPECT_EQ(TaxTable::foodRate(record, false), 0.01);
    EXPECT_EQ(TaxTable::purchaseGeneralRate(record, false), 0.0625);
    EXPECT_EQ(TaxTable::purchaseFoodRate(record, false), 0.01);
    Clock::release();
}

TEST(RateText, FractionAndDisplay) {
    struct Case {
        const char* text;
        double fraction;
        const char* shown;
    };
    const Case cases[] = {
        {"06250", 0.0625, "6.250%"},  {"08750", 0.0875, "8.750%"},
        {"07250", 0.0725, "7.250%"},  {"00750", 0.0075, "0.750%"},
        {"10250", 0.1025, "10.250%"}, {"00000", 0.0, "0.000%"},
        {"     ", 0.0, "  .   %"},    {"", 0.0, "0.%"},
        {"x1234", 0.0, "x1.234%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RateText::fraction(c.text), c.fraction) << c.text;
        EXPECT_EQ(RateText::display(c.text).toStdString(), c.shown) << c.text;
    }
}

TEST(SampleTable, ShipsTheDocumentedCodes) {
    TaxTable table;
    ASSERT_TRUE(table.load(TestPaths::source("resources/Data.tbl")));
    EXPECT_GT(table.count(), 300);
    TaxTableRecord record;
    for (const char* code : {"016-0001-1", "022-0068-6", "016-0002-1", "022-0001-2", "076-5000-3"})
        EXPECT_TRUE(table.lookup(code, record)) << code;
    EXPECT_GT(table.lastUpdated().year, 2000);
}

// Hostile tables: very long lines are split in one pass into the 199-character pieces a fixed
// read buffer gives, and a file far larger than any real table is refused.
TEST(TaxTable, HostileTablesLoadInPiecesOrAreRefused) {
    constexpr std::size_t kLargest = 1 << 20;
    struct Case {
        const char* name;
        std::string text;
        bool loads;
        int count; // location lines, the trailer excluded
    };
    const Case cases[] = {
        {"a line without a line end", std::string(1000, 'x'), true, 5},
        {"a line end as the 199th character", std::string(198, 'x') + "\n" + trailer("x"), true, 1},
        {"a line end as the 200th character", std::string(199, 'x') + "\n", true, 1},
        {"bare line ends", std::string(5000, '\n'), true, 4999},
        {"a table of the largest size", std::string(kLargest, 'x'), true, 5269},
        {"one byte more", std::string(kLargest + 1, 'x'), false, 0},
        {"ten megabytes without a line end", std::string(10 << 20, 'x'), false, 0},
        {"ten megabytes of line ends", std::string(10 << 20, '\n'), false, 0},
    };
    for (const Case& test : cases) {
        const TableFile file(test.text);
        TaxTable table;
        EXPECT_EQ(table.load(file.path()), test.loads) << test.name;
        EXPECT_EQ(table.count(), test.count) << test.name;
    }
}
