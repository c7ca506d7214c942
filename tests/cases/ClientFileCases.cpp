// Client file fixtures: index.json lists files with the result readClientFile must give, the
// SHA-256 of the record read, and that of the file writeClientFile makes of it. What the client
// list reads of each (readClientListing) gives the same result and the same listed bytes. The
// shared fixtures are read, and those of VANTROBE_CLIENT_FIXTURES_DIR when it is set.
#include "clients/ClientFile.h"
#include "support/JsonCases.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray recordBytes(const ClientRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof(record));
}

void checkFixtureFolder(const QString& folder) {
    const QDir dir(folder);
    const QJsonArray entries = JsonCases::readArray(dir.filePath(QStringLiteral("index.json")));
    ASSERT_FALSE(entries.isEmpty()) << "no client fixtures in " << folder.toStdString();
    QTemporaryDir scratch;
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        const QString file = entry[QStringLiteral("file")].toString();
        SCOPED_TRACE(file.toStdString() + ": " +
                     entry[QStringLiteral("description")].toString().toStdString());

        ClientInfo client;
        client.record.phone[0] = 'x'; // a failed read must leave this record untouched
        const QByteArray before = recordBytes(client.record);
        const int result = readClientFile(dir.filePath(file), client);
        EXPECT_EQ(result, entry[QStringLiteral("expectedCode")].toInt());
        ClientInfo listed;
        EXPECT_EQ(readClientListing(dir.filePath(file), listed), result)
            << "the client list would take the file otherwise";
        if (result != kClientFileOk) {
            EXPECT_EQ(recordBytes(client.record), before) << "a failed read changed the record";
            continue;
        }
        EXPECT_EQ(JsonCases::sha256Hex(recordBytes(client.record)),
                  entry[QStringLiteral("recordSha256")].toString());
        EXPECT_EQ(recordBytes(listed.record).first(kClientListedBytes),
                  recordBytes(client.record).first(kClientListedBytes))
            << "the client list would show otherwise";
        const QString rewritten = scratch.filePath(file);
        ASSERT_EQ(writeClientFile(client, rewritten), kClientFileOk);
        EXPECT_EQ(JsonCases::sha256Hex(TestFiles::readAll(rewritten)),
                  entry[QStringLiteral("rewriteSha256")].toString());
    }
}
} // namespace

TEST(ClientFileCases, SharedFixtures) {
    checkFixtureFolder(TestPaths::shared(QStringLiteral("fixtures/clients")));
}

TEST(ClientFileCases, ExtraFixturesFromEnvironment) {
    const QString extra = qEnvironmentVariable("VANTROBE_CLIENT_FIXTURES_DIR");
    if (extra.isEmpty())
        GTEST_SKIP() << "VANTROBE_CLIENT_FIXTURES_DIR is not set";
    checkFixtureFolder(extra);
}
