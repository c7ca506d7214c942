// The return's data of every case: every single-site and multi-site case (the shared case
// files, tests/data/returns and VANTROBE_CASES_DIR) is computed, its JSON document written and
// read back, and its CSV written. The document conforms to docs/return-data.schema.json,
// survives being saved and parsed, and read back into a new return with the same client it
// computes to the same figures; the CSV has one row per line the pages print, each with the
// value its page shows.
#include "ForEachReturnCase.h"
#include "MultiSiteCaseRun.h"
#include "PreparedCase.h"
#include "PrintedFields.h"
#include "forms/filling/FormSet.h"
#include "forms/multisite/CombineLocations.h"
#include "platform/Clock.h"
#include "returns/ReturnCalculation.h"
#include "returns/St1Calculation.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnData.h"
#include "returns/report/ReturnDataCsv.h"
#include "support/JsonSchemaCheck.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

namespace {
using PrintedFields::FilledPages;

QJsonObject schema() {
    static const QJsonObject document =
        QJsonDocument::fromJson(
            TestFiles::readAll(TestPaths::source(QStringLiteral("docs/return-data.schema.json"))))
            .object();
    return document;
}

// The document as a file holds it: saved as JSON text and parsed again.
QJsonObject savedAndRead(const QJsonObject& document) {
    QJsonParseError error;
    const QJsonDocument read =
        QJsonDocument::fromJson(QJsonDocument(document).toJson(QJsonDocument::Indented), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return read.object();
}

// The rows of a CSV text, each split into its fields (quoted fields may hold separators and
// doubled quotes).
std::vector<QStringList> csvRows(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (quoted && c == QLatin1Char('"') && at + 1 < text.size() && text[at + 1] == c) {
            field += c;
            ++at;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (!quoted && c == QLatin1Char('\r')) {
            row << field;
            rows.push_back(row);
            row.clear();
            field.clear();
            ++at; // the LF
        } else {
            field += c;
        }
    }
    return rows;
}

// How many amount lines each page prints.
constexpr int kSt1Lines = 35, kWorksheetLines = 44, kSt2RowLines = 6, kSt14Lines = 6,
              kSt4Lines = 15, kSt8Lines = 15;

int localLines(const ClientRecord& client) {
    return (client.filesST14 == 1 ? kSt14Lines : 0) + (client.filesST4 == 1 ? kSt4Lines : 0) +
           (client.filesST8 == 1 ? kSt8Lines : 0);
}

class ReturnDataCases : public PreparedCaseRunner {
protected:
    void checkDocument(const QJsonObject& document, const std::string& where) {
        const QStringList problems = JsonSchemaCheck::problems(document, schema());
        EXPECT_TRUE(problems.isEmpty())
            << where << ": " << problems.join(QStringLiteral("; ")).toStdString();
        EXPECT_EQ(savedAndRead(document), document) << where;
    }

    // Each row's amount is the figure's, and its page shows it (blank for zero or less).
    void checkCsv(const PreparedReturn& prepared, const FilledPages& pages, int expectedRows,
                  const std::string& where) {
        const std::vector<QStringList> rows = csvRows(returnDataCsv(prepared));
        ASSERT_FALSE(rows.empty()) << where;
        EXPECT_EQ(rows.front(), (QStringList{"form", "location", "line", "description", "amount"}));
        EXPECT_EQ(int(rows.size()) - 1, expectedRows) << where;
        for (size_t index = 1; index < rows.size(); ++index) {
            const QStringList& row = rows[index];
            ASSERT_EQ(row.size(), 5) << where << ": row " << index;
            if (!row[1].isEmpty() || row[0] == QLatin1String("ST-2"))
                continue; // a location's own lines are checked by the explanations' runner
            checkRow(row, pages, where);
        }
    }

    void checkRow(const QStringList& row, const FilledPages& pages, const std::string& where) {
        const std::string context = where + ": " + row.join(QLatin1Char(',')).toStdString();
        for (const FigureInfo& info : allFigures()) {
            if (QString::fromLatin1(formName(info.form)) != row[0] ||
                QString::fromLatin1(info.line) != row[2])
                continue;
            const std::optional<QString> field = pages.fieldText(info.figure);
            if (!field)
                return;
            const double amount = row[4].toDouble();
            if (field->trimmed().isEmpty())
                EXPECT_LE(amount, 0) << context;
            else
                EXPECT_NEAR(amount, PrintedFields::printedNumber(*field), 0.0051) << context;
            ++rowsCompared;
            return;
        }
        ADD_FAILURE() << context << ": no such printed line";
    }

    static std::vector<FigureInfo> allFigures() {
        std::vector<FigureInfo> all;
        for (const FigureForm form : {FigureForm::St1, FigureForm::Worksheet, FigureForm::St14,
                                      FigureForm::St4, FigureForm::St8, FigureForm::Gasohol}) {
            for (const FigureInfo& info : formFigures(form))
                all.push_back(info);
        }
        return all;
    }

    void checkSingleSite(const CaseAt& at) override {
        [[maybe_unused]] const auto& [testCase, file, where, input] = at;
        const PreparedReturn prepared = PreparedCase::singleSite(input);
        const QJsonObject document = savedAndRead(ReturnData::document(prepared));
        checkDocument(ReturnData::document(prepared), where);

        auto readBack = std::make_unique<ReturnRecord>();
        takeClient(*readBack, prepared.record.client);
        EXPECT_EQ(ReturnData::read(document, *readBack), QString()) << where;
        const int status = computeAll(*readBack);
        reportCaseDifference(
            file, testCase,
            JsonFirstDifference::find(document[QStringLiteral("computed")],
                                      ReturnData::computedSections(*readBack, status)));
        reportCaseDifference(file, testCase,
                             JsonFirstDifference::find(document[QStringLiteral("period")],
                                                       ReturnData::periodSection(*readBack)));

        const FilledPages pages = PreparedCase::filledPages(*set, prepared, input);
        checkCsv(prepared, pages, kSt1Lines + kWorksheetLines + localLines(prepared.record.client),
                 where);
        Clock::release();
        ++checked;
    }

    void checkMultiSite(const CaseAt& at, const PreparedCase::MultiSite& multiSite) override {
        [[maybe_unused]] const auto& [testCase, file, where, input] = at;
        const MultiSiteCaseRun& run = multiSite.run;
        const PreparedReturn& prepared = multiSite.prepared;
        const QJsonObject document = savedAndRead(ReturnData::document(prepared));
        checkDocument(ReturnData::document(prepared), where);
        const FilledPages& pages = multiSite.pages;
        const int locations = run.results->count;
        checkCsv(prepared, pages,
                 kSt1Lines + kWorksheetLines + locations * (kSt2RowLines + localLines(run.client)),
                 where);

        auto readBack = std::make_unique<LocationResults>();
        bindLocations(*readBack, run.client);
        EXPECT_EQ(ReturnData::readLocations(document, run.client, *readBack), QString()) << where;
        auto combined = std::make_unique<ReturnRecord>();
        combineLocations(*combined, *set, run.client, *readBack, run.context);
        reportCaseDifference(file, testCase,
                             JsonFirstDifference::find(document[QStringLiteral("computed")],
                                                       ReturnData::combinedSections(*combined)));
        const PreparedReturn again = preparedMultiSiteReturn(*combined, {}, *readBack);
        const QJsonArray locationSections = document[QStringLiteral("locations")].toArray();
        for (int row = 0; row < locations; ++row)
            reportCaseDifference(
                file, testCase,
                JsonFirstDifference::find(
                    locationSections[row][QStringLiteral("computed")],
                    ReturnData::computedSections(again.locationReturn(row), kSt1Ok)));
        Clock::release();
        ++checked;
    }

    int checked = 0;
    int rowsCompared = 0;
};
} // namespace

TEST_F(ReturnDataCases, EverySingleSiteCaseExportsAndReadsBack) {
    checkEverySingleSiteCase();
    std::cout << "ReturnDataCases: " << checked << " single-site returns, " << rowsCompared
              << " CSV rows compared with their pages\n";
    EXPECT_GT(rowsCompared, 0);
}

TEST_F(ReturnDataCases, EveryMultiSiteCaseExportsAndReadsBack) {
    const int cases = checkEveryMultiSiteCase();
    std::cout << "ReturnDataCases: " << cases << " multi-site returns, " << rowsCompared
              << " CSV rows compared with their pages\n";
    EXPECT_GT(cases, 0);
}

// The check can fail: a document that lost a line, gained a key or holds text for an amount
// is refused with the place of each fault.
TEST(ReturnDataSchema, DamagedDocumentsAreRefusedWithTheirPlaces) {
    PreparedReturn prepared;
    QJsonObject document = ReturnData::document(prepared);
    ASSERT_EQ(JsonSchemaCheck::problems(document, schema()), QStringList());
    QJsonObject computed = document[QStringLiteral("computed")].toObject();
    QJsonObject st1 = computed[QStringLiteral("st1")].toObject();
    st1.remove(QStringLiteral("line4a"));
    st1[QStringLiteral("line26")] = 0;
    st1[QStringLiteral("line25")] = QStringLiteral("634");
    computed[QStringLiteral("st1")] = st1;
    document[QStringLiteral("computed")] = computed;
    const QString problems = JsonSchemaCheck::problems(document, schema()).join(QLatin1Char('\n'));
    EXPECT_TRUE(problems.contains(QStringLiteral("computed.st1: lacks \"line4a\"")))
        << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("computed.st1.line26: is not in the schema")))
        << problems.toStdString();
    EXPECT_TRUE(problems.contains(QStringLiteral("computed.st1.line25: is not of type integer")))
        << problems.toStdString();
}
