// Files of figures that must not be imported: each gives its message, and the locations of the
// return stay as they were.
#include "FigureImportFixture.h"
#include "forms/multisite/LocationImport.h"

#include <QTemporaryDir>

namespace {
// A problem the import must report: its row, a part of its column and of what it expected.
struct Wanted {
    int row;
    const char* column;
    const char* expected;
    const char* found = ""; // a part of the value found, when it matters
};

struct BadFile {
    const char* name;
    bool multiSite;
    QByteArray bytes;
    const char* fileProblem; // a part of the whole file's message, or empty
    std::vector<Wanted> problems;
};

std::vector<QStringList> withCell(std::vector<QStringList> rows, int row, int column,
                                  const QString& text) {
    rows[size_t(row)][column] = text;
    return rows;
}

// The fixture's multi-site file with the columns of the -6 case added: the first location's
// figures are those of a Springfield return whose bases miss line 3 by more than a dollar.
std::vector<QStringList> basesMissLine3(std::vector<QStringList> rows) {
    const QStringList extra[] = {{"generalSalesOutside", "otherRateReceipts", "otherRateTax"},
                                 {"213.83", "60.71", "4.25"},
                                 {"", "", ""},
                                 {"", "", ""}};
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] << extra[row];
    rows[1][2] = QStringLiteral("3009.54");
    rows[1][3] = QStringLiteral("1000.83");
    rows[1][4] = QStringLiteral("159.14");
    return rows;
}
} // namespace

class BadFigureFilesTest : public FigureImportTest {
protected:
    std::vector<BadFile> badFiles() const {
        using Rows = std::vector<QStringList>;
        const Rows multi = multiSiteRows();
        const Rows single = singleSiteRows();
        Rows duplicate = multi;
        duplicate.push_back(multi[1]);
        Rows noTotal = multi;
        for (QStringList& row : noTotal)
            row.removeAt(2);
        Rows twoRows = single;
        twoRows.push_back(single[1]);
        Rows otherClient = withCell(single, 1, 0, QStringLiteral("Zenith Motors"));
        Rows unknownName = withCell(multi, 3, 1, QStringLiteral("Caf\u00e9 Nord"));
        unknownName[3][0].clear();
        return {
            {"wrong header", true, "Store,Sales\nMain Street,100\n", "not the header", {}},
            {"unknown field",
             true,
             utf8(withCell(multi, 0, 4, QStringLiteral("resales"))),
             "",
             {{1, "resales (E)", "resale?"}}},
            {"unknown location",
             true,
             utf8(withCell(multi, 3, 0, QStringLiteral("99"))),
             "",
             {{4, "locationNumber (A)", "number of one of the client's locations"},
              {0, "", "a row for every location"}}},
            {"duplicate location", true, utf8(duplicate), "", {{5, "", "also on row 2"}}},
            {"missing required field",
             true,
             utf8(noTotal),
             "",
             {{1, "", "a column totalReceipts"}}},
            {"a minus",
             true,
             utf8(withCell(multi, 2, 2, QStringLiteral("-3000"))),
             "",
             {{3, "totalReceipts (C)", "minus"}}},
            {"11 digits",
             true,
             utf8(withCell(multi, 1, 4, QStringLiteral("12345678901"))),
             "",
             {{2, "resale (E)", "at most 10 digits"}}},
            {"3 decimals",
             true,
             utf8(withCell(multi, 2, 6, QStringLiteral("150.255"))),
             "",
             {{3, "st14Amount (G)", "at most 2 decimals"}}},
            {"text in an amount",
             true,
             utf8(withCell(multi, 3, 2, QStringLiteral("n/a"))),
             "",
             {{4, "totalReceipts (C)", "an amount in dollars"}}},
            {"a food amount above the receipts",
             true,
             utf8(withCell(multi, 1, 3, QStringLiteral("4000"))),
             "",
             {{2, "foodSalesInside (D)", "can't be larger than or equal to \"Total Receipts\""}}},
            {"a location at -6",
             true,
             utf8(basesMissLine3(multi)),
             "",
             {{2, "", "lines 4a to 8a add up to line 3"}}},
            {"a semicolon file with decimal commas",
             true,
             utf8(withCell(multi, 1, 2, QStringLiteral("4000,50")), u';'),
             "",
             {{2, "totalReceipts (C)", "a point before the cents"}}},
            {"a Windows-1252 file with an accented name no location has",
             true,
             windows1252(unknownName),
             "",
             {{4, "name (B)", "the name of one of the client's locations", "Café Nord"},
              {0, "", "a row for every location"}}},
            {"an empty file", true, QByteArray(), "empty", {}},
            {"a header without rows",
             true,
             "locationNumber,name,totalReceipts\r\n,,\r\n",
             "no row of figures",
             {}},
            {"a method other than 1, 2 or 3",
             true,
             utf8(withCell(multi, 2, 5, QStringLiteral("4"))),
             "",
             {{3, "st14Method (F)", "1, 2 or 3"}}},
            {"gallons with decimals",
             true,
             utf8(withCell(multi, 3, 7, QStringLiteral("1200.5"))),
             "",
             {{4, "gasolineGallons (H)", "without decimals"}}},
            {"gallons for a location that sells no motor fuel",
             true,
             utf8(withCell(multi, 1, 7, QStringLiteral("300"))),
             "",
             {{2, "gasolineGallons (H)", "no motor fuel sales"}}},
            {"an unquoted thousands comma splits the row",
             true,
             "locationNumber,name,totalReceipts\n10,Main Street,4,000.00\n11,Caf\xC3\xA9 "
             "\xC3\x89vanston,1\n3,Depot,1\n",
             "",
             {{2, "D", "in quotes"}}},
            {"a single-site file with two rows",
             false,
             utf8(twoRows),
             "",
             {{3, "", "one row of figures"}}},
            {"a single-site file of another client",
             false,
             utf8(otherClient),
             "",
             {{2, "name (A)", "another client"}}},
            {"tires for a client that files no ST-8",
             true,
             utf8(withCell(withCell(withCell(multi, 0, 7, QStringLiteral("tiresSold")), 1, 7,
                                    QStringLiteral("12")),
                           3, 7, QString())),
             "",
             {{2, "tiresSold (H)", "does not file ST-8"}}},
            {"a page whose sum reaches the total receipts",
             false,
             utf8({{"totalReceipts", "repairs", "prescriptions"}, {"1000", "600", "400"}}),
             "",
             {{2, "repairs + prescriptions + otherService", "less than the total receipts"}}},
        };
    }

    // The check and, when it passes, the preparation of the locations, as "Import Figures…" of
    // the multi-site wizard runs them. The problems of either.
    FigureImport importIntoResults(const QByteArray& bytes) {
        FigureImport figures = readMultiSite(bytes);
        if (figures.ok())
            figures.problems = prepareImportedLocations(*results, *record, *set, multiSiteClient,
                                                        results->period, figures.rows, context);
        return figures;
    }

    static void expectProblems(const FigureImport& figures, const BadFile& file) {
        SCOPED_TRACE(file.name);
        EXPECT_FALSE(figures.ok());
        if (*file.fileProblem) {
            EXPECT_TRUE(figures.fileProblem.contains(QLatin1String(file.fileProblem)))
                << figures.fileProblem.toStdString();
            return;
        }
        EXPECT_TRUE(figures.fileProblem.isEmpty()) << figures.fileProblem.toStdString();
        QStringList found;
        for (const ImportProblem& problem : figures.problems)
            found << QStringLiteral("%1 | %2 | %3 | %4")
                         .arg(problem.row)
                         .arg(problem.column, problem.found, problem.expected);
        ASSERT_EQ(figures.problems.size(), file.problems.size()) << found.join('\n').toStdString();
        for (size_t index = 0; index < file.problems.size(); ++index) {
            const ImportProblem& problem = figures.problems[index];
            const Wanted& wanted = file.problems[index];
            EXPECT_EQ(problem.row, wanted.row) << found.join('\n').toStdString();
            EXPECT_TRUE(problem.column.contains(QLatin1String(wanted.column)))
                << found.join('\n').toStdString();
            EXPECT_TRUE(problem.expected.contains(QString::fromUtf8(wanted.expected)))
                << found.join('\n').toStdString();
            EXPECT_TRUE(problem.found.contains(QString::fromUtf8(wanted.found)))
                << found.join('\n').toStdString();
        }
    }
};

TEST_F(BadFigureFilesTest, EachGivesItsMessageAndAppliesNothing) {
    // Location 10 was prepared by hand before the import was tried.
    ASSERT_EQ(prepare(0, 777.0), kSt1Ok);
    const Dollars preparedLine1 = results->entries[0].st1.line1;
    for (const BadFile& file : badFiles()) {
        const FigureImport figures =
            file.multiSite ? importIntoResults(file.bytes) : readSingleSite(file.bytes);
        expectProblems(figures, file);
        EXPECT_TRUE(results->entries[0].prepared) << file.name;
        EXPECT_EQ(results->entries[0].st1.line1, preparedLine1) << file.name;
        EXPECT_FALSE(results->entries[1].prepared) << file.name;
        EXPECT_FALSE(results->entries[2].prepared) << file.name;
    }
}

TEST_F(BadFigureFilesTest, AFileOf50MegabytesIsRefusedByItsSize) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("figures.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(50LL * 1024 * 1024));
    file.close();
    const FigureImport figures = readFigureFile(path, multiSiteClient);
    EXPECT_TRUE(figures.fileProblem.contains(QStringLiteral("50.0 MB")))
        << figures.fileProblem.toStdString();
    EXPECT_TRUE(figures.rows.empty());
}

TEST_F(BadFigureFilesTest, ALocationAtMinus6LeavesTheReturnAsItWas) {
    ASSERT_EQ(prepare(1, 555.0), kSt1Ok);
    const auto before = std::make_unique<ReturnRecord>(*record);
    const FigureImport figures = importIntoResults(utf8(basesMissLine3(multiSiteRows())));
    ASSERT_EQ(figures.problems.size(), 1u);
    EXPECT_EQ(figures.problems[0].row, 2);
    EXPECT_TRUE(figures.problems[0].found.contains(QStringLiteral("line 3")));
    // The record the -6 preparation worked on is put back as it was before the import.
    EXPECT_EQ(record->st1.totalReceipts, before->st1.totalReceipts);
    EXPECT_EQ(record->st1.line1, before->st1.line1);
    EXPECT_EQ(QByteArrayView(record->client.businessName),
              QByteArrayView(before->client.businessName));
    EXPECT_TRUE(results->entries[1].prepared);
    EXPECT_FALSE(results->entries[0].prepared);
}

TEST_F(BadFigureFilesTest, AFileWrongEverywhereListsItsFirstThousandProblems) {
    std::vector<QStringList> rows = {{"totalReceipts"}};
    for (int row = 0; row < 1500; ++row)
        rows.push_back({QStringLiteral("n/a")});
    const FigureImport figures = readSingleSite(utf8(rows));
    // Rows 3 to 1501 are each another row of figures for a single-site client.
    ASSERT_EQ(figures.problems.size(), 1001u);
    EXPECT_EQ(figures.problems[999].row, 1002);
    EXPECT_TRUE(figures.problems[1000].expected.contains(QStringLiteral("the first 1000")));
}
