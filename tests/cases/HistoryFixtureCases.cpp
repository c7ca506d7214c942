// Older history files: manifest.json lists files a reader must open or refuse, with every
// stored return (number, six texts, the stored archive text, the archive and its members).
// Each file is opened on a copy: an opened one is converted in place, its returns listed,
// extracted and compared, the converted file checked by the sqlite3 shell and the kept ".v2"
// compared with the original; a refused one must stay untouched with no ".v2" beside it. The
// shared fixtures are checked, and those of VANTROBE_HISTORY_FIXTURES_DIR when it is set.
#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/LegacyHistoryConversion.h"
#include "history/LegacyHistoryReader.h"
#include "history/ReturnHistory.h"
#include "history/ReturnInputsTable.h"
#include "support/JsonCases.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {
const QStringList kRowTexts = {"ReturnDate",    "ReturnTime",         "ST1TotalReceipts",
                               "ST1Deductions", "ST1TaxableReceipts", "ST1PaymentDue"};

QJsonObject readManifest(const QString& path) {
    const QJsonDocument document = QJsonDocument::fromJson(TestFiles::readAll(path));
    EXPECT_TRUE(document.isObject()) << "no manifest at " << path.toStdString();
    return document.object();
}

QString sqlite3Shell(const QString& file, const QString& sql) {
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {file, sql});
    EXPECT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    return QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
}

QList<QStringList> expectedRows(const QJsonArray& returns) {
    QList<QStringList> rows;
    for (const QJsonValue& value : returns) {
        const QJsonObject entry = value.toObject();
        QStringList row{QString::number(entry["ReturnIndex"].toInteger())};
        for (const QString& text : kRowTexts)
            row << entry[text].toString();
        rows << row;
    }
    return rows;
}

// The stored texts as the page reader finds them, before any conversion.
void checkStoredTexts(const QByteArray& original, const QJsonArray& returns) {
    const std::optional<std::vector<LegacyHistoryRow>> rows = readLegacyHistory(original);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), static_cast<std::size_t>(returns.size()));
    for (qsizetype at = 0; at < returns.size(); ++at) {
        const QJsonObject data = returns[at].toObject()["ReturnData"].toObject();
        const QByteArray& text = (*rows)[static_cast<std::size_t>(at)].returnData;
        EXPECT_EQ(text.size(), data["stored_text_length"].toInteger());
        EXPECT_EQ(JsonCases::sha256Hex(text), data["stored_text_sha256"].toString());
        EXPECT_EQ(static_cast<unsigned char>(text.isEmpty() ? 0 : text[0]),
                  data["offset_byte"].toInt());
    }
}

void checkExtraction(HistoryDatabase& database, const QJsonObject& entry, const QString& scratch) {
    const int number = entry["ReturnIndex"].toInt();
    SCOPED_TRACE("ReturnIndex " + std::to_string(number));
    const QJsonObject data = entry["ReturnData"].toObject();
    const QString archive = QDir(scratch).filePath(QStringLiteral("return.zip"));
    const QString pagesFolder = QDir(scratch).filePath(QStringLiteral("UnzippedEmf"));
    QDir(pagesFolder).removeRecursively();
    const std::optional<PageList> pages =
        extractHistoryReturn(database, number, archive, pagesFolder);
    ASSERT_TRUE(pages);
    EXPECT_EQ(JsonCases::sha256Hex(TestFiles::readAll(archive)), data["zip_sha256"].toString());
    const QJsonArray members = data["zip_files"].toArray();
    ASSERT_EQ(pages->size(), static_cast<std::size_t>(members.size()));
    for (qsizetype at = 0; at < members.size(); ++at) {
        const QJsonObject member = members[at].toObject();
        const QString path = (*pages)[static_cast<std::size_t>(at)].path();
        EXPECT_EQ(QFileInfo(path).fileName(),
                  QFileInfo(member["name"].toString().replace(u'\\', u'/')).fileName());
        const QByteArray bytes = TestFiles::readAll(path);
        EXPECT_EQ(bytes.size(), member["size"].toInteger());
        EXPECT_EQ(JsonCases::sha256Hex(bytes), member["sha256"].toString());
    }
}

void checkOpened(const QString& copy, const QByteArray& original, const QJsonObject& fixture,
                 const QString& scratch) {
    const QJsonArray returns = fixture["returns"].toArray();
    checkStoredTexts(original, returns);
    HistoryDatabase database;
    ASSERT_NO_THROW(database.open(copy));
    EXPECT_EQ(listHistoryReturns(database), expectedRows(returns));
    for (const QJsonValue& entry : returns) {
        checkExtraction(database, entry.toObject(), scratch);
        // Older files were written before returns kept their inputs.
        EXPECT_EQ(readEntryInputs(database, entry.toObject()["ReturnIndex"].toInt()).state,
                  EntryInputs::State::None);
    }
    database.close();
    EXPECT_EQ(sqlite3Shell(copy, QStringLiteral("PRAGMA integrity_check;")), "ok");
    QStringList shellRows;
    for (const QStringList& row : expectedRows(returns))
        shellRows << row.join(u'|');
    EXPECT_EQ(sqlite3Shell(copy, QStringLiteral("select ReturnIndex, ReturnDate, ReturnTime, "
                                                "ST1TotalReceipts, ST1Deductions, "
                                                "ST1TaxableReceipts, ST1PaymentDue from "
                                                "tblReturnHistory order by ReturnIndex;")),
              shellRows.join(u'\n'));
    EXPECT_EQ(TestFiles::readAll(legacyHistoryCopyPath(copy)), original);
}

void checkRefused(const QString& copy, const QByteArray& original) {
    HistoryDatabase database;
    EXPECT_THROW(database.open(copy), CppSQLiteException);
    EXPECT_EQ(TestFiles::readAll(copy), original);
    EXPECT_EQ(QDir(QFileInfo(copy).path()).entryList(QDir::Files).size(), 1)
        << "files appeared beside a refused file";
}

void checkManifestFolder(const QString& folder) {
    const QJsonObject manifest = readManifest(QDir(folder).filePath("manifest.json"));
    const QJsonArray fixtures = manifest["fixtures"].toArray();
    EXPECT_FALSE(fixtures.isEmpty()) << "no history fixtures in " << folder.toStdString();
    for (const QJsonValue& value : fixtures) {
        const QJsonObject fixture = value.toObject();
        const QString file = fixture["file"].toString();
        SCOPED_TRACE(file.toStdString());
        const QByteArray original = TestFiles::readAll(QDir(folder).filePath(file));
        EXPECT_EQ(JsonCases::sha256Hex(original), fixture["sha256"].toString());
        QTemporaryDir scratch;
        QDir(scratch.path()).mkdir("history");
        const QString copy = scratch.filePath("history/" + QFileInfo(file).fileName());
        TestFiles::writeAll(copy, original);
        if (fixture["expect"].toString() == "open")
            checkOpened(copy, original, fixture, scratch.path());
        else
            checkRefused(copy, original);
    }
    std::cout << "checked " << fixtures.size() << " history files in " << folder.toStdString()
              << std::endl;
}
} // namespace

TEST(HistoryFixtureCases, SharedFixtures) {
    checkManifestFolder(TestPaths::shared(QStringLiteral("fixtures/history-v2")));
}

TEST(HistoryFixtureCases, ExtraFixturesFromEnvironment) {
    const QString extra = qEnvironmentVariable("VANTROBE_HISTORY_FIXTURES_DIR");
    if (extra.isEmpty())
        GTEST_SKIP() << "VANTROBE_HISTORY_FIXTURES_DIR is not set";
    checkManifestFolder(extra);
}
