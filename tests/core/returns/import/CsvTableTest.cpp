#include "returns/import/CsvTable.h"

#include <gtest/gtest.h>

TEST(CsvTable, FindsTheSeparatorInTheFirstLineOutsideQuotes) {
    const struct {
        const char* text;
        char separator;
    } cases[] = {
        {"a,b,c\n1;2;3;4;5\n", ','},  {"a;b;c\n1,2,3,4,5\n", ';'}, {"a\tb\tc\n", '\t'},
        {"\"a;b;c\",d\n", ','}, // the semicolons are inside a quoted cell
        {"totalReceipts\n12\n", ','}, {"a;b,c;d\n", ';'},
    };
    for (const auto& testCase : cases)
        EXPECT_EQ(parseCsv(QString::fromLatin1(testCase.text)).separator,
                  QLatin1Char(testCase.separator))
            << testCase.text;
}

TEST(CsvTable, ReadsQuotedCellsLineBreaksAndEveryLineEnd) {
    const CsvTable table =
        parseCsv(QStringLiteral("name,amount\r\n\"Smith, Jones\",\"1,234.56\"\r\n\"say "
                                "\"\"hi\"\"\",\"two\nlines\"\rlast,\n"));
    ASSERT_TRUE(table.problem.isEmpty());
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[1], QStringList({"Smith, Jones", "1,234.56"}));
    EXPECT_EQ(table.rows[2], QStringList({"say \"hi\"", "two\nlines"}));
    EXPECT_EQ(table.rows[3], QStringList({"last", ""}));
}

TEST(CsvTable, KeepsEmptyCellsAndBlankLines) {
    const CsvTable table = parseCsv(QStringLiteral("a;b;c\n;;\n\n1;;3"));
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[1], QStringList({"", "", ""}));
    EXPECT_EQ(table.rows[2], QStringList({""}));
    EXPECT_EQ(table.rows[3], QStringList({"1", "", "3"}));
}

TEST(CsvTable, AQuoteNeverClosedIsAProblemOnItsRow) {
    const CsvTable table = parseCsv(QStringLiteral("a,b\n1,2\n3,\"4\n5,6\n"));
    EXPECT_EQ(table.problemRow, 3);
    EXPECT_TRUE(table.problem.contains(QStringLiteral("row 3"))) << table.problem.toStdString();
}

TEST(CsvTable, WrittenCellsReadBackUnchanged) {
    const std::vector<QStringList> rows = {
        {"locationNumber", "name", "otherServiceDescription"},
        {"1", "Caf\u00e9 \"Nord\", Main St", " padded "},
        {"2", "two\r\nlines", "semi;colon"},
    };
    for (const QChar separator : {QLatin1Char(','), QLatin1Char(';')}) {
        const CsvTable table = parseCsv(formatCsv(rows, separator));
        EXPECT_EQ(table.separator, separator);
        EXPECT_EQ(table.rows, rows);
    }
}
