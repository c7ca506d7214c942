// Files of figures that are imported: what each row gives, however the file was saved.
#include "FigureImportFixture.h"
#include "returns/EnteredSections.h"
#include "returns/import/FigureCsv.h"
#include "returns/import/ImportedEntries.h"

namespace {
double amount(const ImportedRow& row, const char* section, const char* key) {
    return row.entries[QLatin1String(section)][QLatin1String(key)].toDouble();
}
qint64 count(const ImportedRow& row, const char* section, const char* key) {
    return row.entries[QLatin1String(section)][QLatin1String(key)].toInteger();
}
} // namespace

TEST_F(FigureImportTest, EachRowGivesTheEntriesOfItsLocationAsTheStepsStoreThem) {
    const FigureImport figures = readMultiSite(utf8(multiSiteRows()));
    ASSERT_TRUE(figures.ok()) << figures.fileProblem.toStdString();
    ASSERT_EQ(figures.rows.size(), 3u);
    EXPECT_EQ(figures.encoding, QStringLiteral("UTF-8"));
    const ImportedRow& main = figures.rows[0];
    EXPECT_EQ(main.location, 0);
    EXPECT_EQ(main.fileRow, 2);
    EXPECT_EQ(amount(main, "st1", "totalReceipts"), 4000.0);
    EXPECT_EQ(amount(main, "st1", "foodSalesInside"), 500.0);
    EXPECT_EQ(count(main, "st1", "foodMethod"), 1);
    EXPECT_EQ(amount(main, "worksheet", "resale"), 100.0);
    EXPECT_EQ(count(main, "st14", "st14Method"), 0); // an empty method is method 1
    // Sections of steps the location does not take are left out.
    EXPECT_FALSE(main.entries.contains(QStringLiteral("fuelSales")));
    EXPECT_FALSE(main.entries.contains(QStringLiteral("st8")));
    const ImportedRow& cafe = figures.rows[1];
    EXPECT_EQ(count(cafe, "st14", "st14Method"), 1); // "2" is the second method
    EXPECT_EQ(amount(cafe, "st14", "st14Amount"), 150.25);
    const ImportedRow& depot = figures.rows[2];
    EXPECT_EQ(count(depot, "fuelSales", "gasolineGallons"), 1200);
    EXPECT_EQ(amount(depot, "fuelSales", "gasoholReceipts"), 0.0);
}

TEST_F(FigureImportTest, RowsInAnyOrderNamedByNumberOrNameInAnyFileForm) {
    std::vector<QStringList> rows = multiSiteRows();
    std::swap(rows[1], rows[3]);
    rows[1][0].clear();                                     // the depot by its name only
    rows[2][1] = QStringLiteral("CAF\u00c9 \u00c9VANSTON"); // capitals do not matter
    rows[3][1].clear();                                     // main street by its number only
    rows[0][2] = QStringLiteral(" TotalReceipts ");
    rows[3][2] = QStringLiteral("$4,000.00");
    const QByteArray files[] = {utf8(rows), windows1252(rows, u';'),
                                QByteArray("\xEF\xBB\xBF") + utf8(rows, u'\t')};
    for (const QByteArray& bytes : files) {
        const FigureImport figures = readMultiSite(bytes);
        ASSERT_TRUE(figures.ok()) << figures.fileProblem.toStdString()
                                  << (figures.problems.empty()
                                          ? std::string()
                                          : figures.problems[0].expected.toStdString());
        ASSERT_EQ(figures.rows.size(), 3u);
        EXPECT_EQ(figures.rows[0].fileRow, 4);
        EXPECT_EQ(amount(figures.rows[0], "st1", "totalReceipts"), 4000.0);
        EXPECT_EQ(figures.rows[1].fileRow, 3);
        EXPECT_EQ(figures.rows[2].location, 2);
    }
    EXPECT_EQ(readMultiSite(windows1252(rows, u';')).encoding, QStringLiteral("Windows-1252"));
}

TEST_F(FigureImportTest, TheTotalReceiptsStepStoresACentForNoReceipts) {
    std::vector<QStringList> rows = singleSiteRows();
    rows[1][1] = QStringLiteral("0");
    rows[1][2].clear();
    const FigureImport figures = readSingleSite(utf8(rows));
    ASSERT_TRUE(figures.ok());
    EXPECT_EQ(amount(figures.rows[0], "st1", "totalReceipts"), 0.01);

    rows[1][1].clear(); // an empty total is a forgotten one
    const FigureImport empty = readSingleSite(utf8(rows));
    ASSERT_EQ(empty.problems.size(), 1u);
    EXPECT_TRUE(empty.problems[0].expected.contains(QStringLiteral("0 when there were none")));
}

TEST_F(FigureImportTest, FoodWithTheTaxIsStoredAsItsBaseAtTheFoodRate) {
    const std::vector<QStringList> rows = {{"totalReceipts", "foodEntered"}, {"5000", "1022.50"}};
    const FigureImport figures = readSingleSite(utf8(rows));
    ASSERT_TRUE(figures.ok());
    const QJsonObject st1 = figures.rows[0].entries[QStringLiteral("st1")].toObject();
    EXPECT_EQ(st1[QStringLiteral("foodMethod")].toInt(), 2);
    EXPECT_EQ(st1[QStringLiteral("foodEntered")].toDouble(), 1022.5);
    takeClient(*record, singleClient);
    storeImportedEntries(figures.rows[0].entries, *record);
    // Springfield's food rate is 2.25 %: the base the food step stores for 1022.50.
    EXPECT_EQ(record->st1.foodSalesInside, 1022.50 / 1.0225);
    EXPECT_EQ(record->st1.totalReceipts, 5000.0);

    // Method 2 may reach the total receipts, method 1 may not.
    EXPECT_TRUE(readSingleSite(utf8({{"totalReceipts", "foodEntered"}, {"5000", "5000"}})).ok());
    EXPECT_FALSE(
        readSingleSite(utf8({{"totalReceipts", "foodSalesInside"}, {"5000", "5000"}})).ok());
    const FigureImport both = readSingleSite(
        utf8({{"totalReceipts", "foodSalesInside", "foodEntered"}, {"5000", "1", "2"}}));
    ASSERT_EQ(both.problems.size(), 1u);
    EXPECT_TRUE(both.problems[0].expected.contains(QStringLiteral("one of the two")));
}

TEST_F(FigureImportTest, AStepLeftOutTakesEmptyCellsAndZeros) {
    // The single-site client files no ST-14: a column of it with 0 or nothing is no figure.
    const FigureImport figures = readSingleSite(
        utf8({{"totalReceipts", "st14Amount", "st14Method", "otherDeduction1Description"},
              {"100", "0.00", "", ""}}));
    EXPECT_TRUE(figures.ok());
    EXPECT_FALSE(figures.rows[0].entries.contains(QStringLiteral("st14")));
    const FigureImport method =
        readSingleSite(utf8({{"totalReceipts", "st14Method"}, {"100", "2"}}));
    ASSERT_EQ(method.problems.size(), 1u);
    EXPECT_TRUE(method.problems[0].expected.contains(QStringLiteral("does not file ST-14")));
}

TEST_F(FigureImportTest, ASumJustBelowTheTotalReceiptsPasses) {
    EXPECT_TRUE(readSingleSite(utf8({{"totalReceipts", "prepaidTax", "priorOverpayment"},
                                     {"1000", "600", "399.99"}}))
                    .ok());
    EXPECT_FALSE(readSingleSite(utf8({{"totalReceipts", "prepaidTax", "priorOverpayment"},
                                      {"1000", "600", "400"}}))
                     .ok());
    // Against the stored cent of an empty total: any amount on such a step is too much.
    EXPECT_FALSE(readSingleSite(utf8({{"totalReceipts", "creditMemorandum"}, {"0", "0.01"}})).ok());
}

TEST_F(FigureImportTest, TheTemplateFilledInImportsAndExportsBackToTheSameFile) {
    std::vector<QStringList> rows = FigureCsv::templateRows(multiSiteClient);
    ASSERT_EQ(rows.size(), 4u);
    const QStringList header = rows[0];
    EXPECT_EQ(header.mid(0, 4),
              QStringList({"locationNumber", "name", "totalReceipts", "liquorPurchases"}));
    EXPECT_TRUE(header.contains(QStringLiteral("gasolineGallons"))); // the depot sells fuel
    EXPECT_TRUE(header.contains(QStringLiteral("st14Method")));
    EXPECT_FALSE(header.contains(QStringLiteral("tiresSold")));
    EXPECT_FALSE(header.contains(QStringLiteral("exemptOrganizations")));
    EXPECT_EQ(rows[2].mid(0, 3), QStringList({"11", "Caf\u00e9 \u00c9vanston", ""}));
    EXPECT_EQ(rows[3].mid(0, 2), QStringList({"3", "Depot"}));
    const auto set = [&](int row, const char* column, const char* text) {
        rows[size_t(row)][header.indexOf(QLatin1String(column))] = QString::fromUtf8(text);
    };
    set(1, "totalReceipts", "12000.00");
    set(1, "otherDeduction1Description", "Trade-ins, \"used\"");
    set(1, "otherDeduction1", "250.00");
    set(2, "totalReceipts", "9000.00");
    set(2, "foodEntered", "1022.50");
    set(2, "st14Method", "3");
    set(2, "st14Amount", "111.11");
    set(3, "totalReceipts", "7000.00");
    set(3, "gasolineGallons", "1200");
    set(3, "gasoholReceipts", "4321.09");
    for (int row = 1; row < 4; ++row) {
        for (const char* method : {"st14Method"}) {
            QString& cell = rows[size_t(row)][header.indexOf(QLatin1String(method))];
            if (cell.isEmpty())
                cell = QStringLiteral("1");
        }
    }
    const QByteArray file = FigureCsv::utf8File(rows);
    const FigureImport figures = readMultiSite(file);
    ASSERT_TRUE(figures.ok()) << (figures.problems.empty()
                                      ? figures.fileProblem.toStdString()
                                      : figures.problems[0].expected.toStdString());
    std::vector<QJsonObject> entries;
    for (const ImportedRow& row : figures.rows)
        entries.push_back(row.entries);
    EXPECT_EQ(FigureCsv::utf8File(FigureCsv::figureRows(multiSiteClient, entries)), file);
}

TEST_F(FigureImportTest, TheSingleSiteTemplateNamesTheClient) {
    const std::vector<QStringList> rows = FigureCsv::templateRows(singleClient);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].mid(0, 2), QStringList({"name", "totalReceipts"}));
    EXPECT_TRUE(rows[0].contains(QStringLiteral("tiresSold")));
    EXPECT_TRUE(rows[0].contains(QStringLiteral("resale")));
    EXPECT_FALSE(rows[0].contains(QStringLiteral("gasolineGallons")));
    EXPECT_EQ(rows[1][0], QStringLiteral("Acme Grocery Inc"));
    EXPECT_EQ(rows[1].size(), rows[0].size());
    // The template as saved is a file the import reads once its total receipts are filled.
    std::vector<QStringList> filled = rows;
    filled[1][1] = QStringLiteral("1");
    EXPECT_TRUE(readSingleSite(FigureCsv::utf8File(filled)).ok());
}
