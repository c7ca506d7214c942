#include "clients/ClientFile.h"

#include "clients/HomeRuleCategory.h"
#include "platform/FixedText.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {
QByteArray bytesOf(const void* data, std::size_t size) {
    return QByteArray(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A version 1 image with recognisable bytes in every part that moves.
std::unique_ptr<ClientRecordV1> versionOneImage(std::int32_t size) {
    auto old = std::make_unique<ClientRecordV1>();
    std::memset(old.get(), 0, sizeof(ClientRecordV1));
    ClientRecord head;
    initClientRecord(head);
    head.recordSize = size;
    head.version = head.versionCopy = 1;
    head.multiSite = 1;
    FixedText::set(head.businessName, "Prairie Hardware");
    head.filler1[0] = 'F'; // fillers are not carried over
    head.locationCount = 15;
    std::memcpy(old->head, &head, sizeof(old->head));
    for (int i = 0; i < 15; ++i) {
        ClientLocation slot{};
        FixedText::set(slot.name, "Site " + std::to_string(i));
        slot.locationNumber = static_cast<std::uint8_t>(i + 1);
        slot.reserved2[2] = 7;
        std::memcpy(old->locations[i].head, &slot, sizeof(old->locations[i].head));
        old->locations[i].reserved[0] = 'R';
    }
    old->reserved1 = 99;
    FixedText::set(old->email, "owner@prairie.example");
    old->reserved2[0] = 'Z';
    return old;
}
} // namespace

TEST(ClientRecord, FreshRecordHeader) {
    ClientRecord record;
    std::memset(&record, 0xAB, sizeof(record));
    initClientRecord(record);
    QByteArray expected("Vantrobe Client Info 101475");
    expected.append(36 - expected.size(), '\0');
    expected.append(QByteArray::fromHex("947c0000"
                                        "02000000"
                                        "02000000"));
    EXPECT_EQ(bytesOf(&record, 48), expected);
    EXPECT_EQ(bytesOf(reinterpret_cast<char*>(&record) + 48, sizeof(record) - 48),
              QByteArray(sizeof(record) - 48, '\0'));
}

TEST(ClientFile, VersionTwoRoundTripsByteForByte) {
    QTemporaryDir dir;
    ClientInfo client;
    FixedText::set(client.record.businessName, "A much longer business name");
    FixedText::set(client.record.businessName, "Short"); // leaves a tail behind the NUL
    client.record.reserved2[10] = 3;
    ASSERT_EQ(writeClientFile(client, dir.filePath("a.kvr")), kClientFileOk);
    const QByteArray written = TestFiles::readAll(dir.filePath("a.kvr"));
    EXPECT_EQ(written, bytesOf(&client.record, sizeof(ClientRecord)));

    ClientInfo back;
    back.path = "kept";
    ASSERT_EQ(readClientFile(dir.filePath("a.kvr"), back), kClientFileOk);
    EXPECT_EQ(bytesOf(&back.record, sizeof(ClientRecord)), written);
    EXPECT_EQ(back.path, "kept") << "reading never touches the path";
    ASSERT_EQ(writeClientFile(back, dir.filePath("b.kvr")), kClientFileOk);
    EXPECT_EQ(TestFiles::readAll(dir.filePath("b.kvr")), written);
}

TEST(ClientFile, VersionOneIsUpgraded) {
    QTemporaryDir dir;
    const auto old = versionOneImage(kClientRecordV1Size);
    TestFiles::writeAll(dir.filePath("v1.kvr"), bytesOf(old.get(), sizeof(ClientRecordV1)));
    ClientInfo client;
    ASSERT_EQ(readClientFile(dir.filePath("v1.kvr"), client), kClientFileOk);
    const ClientRecord& record = client.record;
    EXPECT_EQ(record.version, 2);
    EXPECT_EQ(record.versionCopy, 2);
    EXPECT_EQ(record.recordSize, kClientRecordSize);
    EXPECT_EQ(record.multiSite, 1);
    EXPECT_EQ(FixedText::get(record.businessName), "Prairie Hardware");
    EXPECT_EQ(record.filler1[0], 0);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(FixedText::get(record.locations[i].name), QString("Site %1").arg(i));
        EXPECT_EQ(record.locations[i].locationNumber, i + 1);
        EXPECT_EQ(record.locations[i].reserved2[2], 7);
        EXPECT_EQ(record.locations[i].reserved3[0], 0) << "v1 slot tails are not carried";
    }
    const ClientLocation empty{};
    for (int i = 15; i < kMaxLocations; ++i)
        EXPECT_EQ(std::memcmp(&record.locations[i], &empty, sizeof(empty)), 0) << i;
    EXPECT_EQ(record.reserved1, 99);
    EXPECT_EQ(FixedText::get(record.email), "owner@prairie.example");
    EXPECT_EQ(record.reserved2[0], 0);

    ASSERT_EQ(writeClientFile(client, dir.filePath("v2.kvr")), kClientFileOk);
    EXPECT_EQ(TestFiles::readAll(dir.filePath("v2.kvr")).size(), kClientRecordSize);
}

TEST(ClientFile, ShortVersionOneTakesOnlyItsBytes) {
    QTemporaryDir dir;
    const auto old = versionOneImage(kClientRecordV1ShortSize);
    TestFiles::writeAll(dir.filePath("v1.kvr"), bytesOf(old.get(), sizeof(ClientRecordV1)));
    ClientInfo client;
    ASSERT_EQ(readClientFile(dir.filePath("v1.kvr"), client), kClientFileOk);
    // 3744 bytes reach into slot 5 (732 + 5 * 508 = 3272); slot 6 starts at 3780.
    EXPECT_EQ(FixedText::get(client.record.locations[5].name), "Site 5");
    EXPECT_EQ(FixedText::get(client.record.locations[6].name), "");
    EXPECT_EQ(FixedText::get(client.record.email), "");
}

TEST(ClientFile, RefusedFilesGiveTheirCodeAndLeaveTheRecord) {
    QTemporaryDir dir;
    ClientRecord valid;
    initClientRecord(valid);
    const QByteArray image = bytesOf(&valid, sizeof(valid));
    auto withInt = [&](int offset, std::int32_t value) {
        QByteArray bytes = image;
        std::memcpy(bytes.data() + offset, &value, 4);
        return bytes;
    };
    QByteArray foreign = image;
    foreign[0] = 'v';
    struct Case {
        const char* name;
        QByteArray bytes;
        int expected;
    };
    const Case cases[] = {
        {"empty", QByteArray(), kClientFileShort},
        {"40 bytes", image.left(40), kClientFileShort},
        {"47 bytes of a foreign file", QByteArray(47, 'x'), kClientFileShort},
        {"foreign signature", foreign, kClientFileForeign},
        {"version 3", withInt(40, 3), kClientFileForeign},
        {"version 2 with size 8824", withInt(36, 8824), kClientFileForeign},
        {"version 1 with size 31892", withInt(40, 1), kClientFileForeign},
        {"truncated by one byte", image.left(image.size() - 1), kClientFileShort},
        {"header only", image.left(48), kClientFileShort},
    };
    for (const Case& c : cases) {
        TestFiles::writeAll(dir.filePath("c.kvr"), c.bytes);
        ClientInfo client;
        FixedText::set(client.record.city, "Untouched");
        EXPECT_EQ(readClientFile(dir.filePath("c.kvr"), client), c.expected) << c.name;
        EXPECT_EQ(FixedText::get(client.record.city), "Untouched") << c.name;
    }
    ClientInfo client;
    EXPECT_EQ(readClientFile(dir.filePath("missing.kvr"), client), kClientFileCannotOpen);
    EXPECT_EQ(readClientFile(dir.path(), client), kClientFileCannotOpen) << "a folder";
}

TEST(ClientFile, FailedWriteKeepsThePreviousFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir dir;
    ClientInfo client;
    FixedText::set(client.record.businessName, "First");
    const QString path = dir.filePath("Vtb00001.kvr");
    ASSERT_EQ(writeClientFile(client, path), kClientFileOk);
    const QByteArray before = TestFiles::readAll(path);

    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    FixedText::set(client.record.businessName, "Second");
    const int result = writeClientFile(client, path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result, kClientFileCannotOpen);
    EXPECT_EQ(TestFiles::readAll(path), before);
}

TEST(ClientFile, MissingFolderCannotBeCreated) {
    QTemporaryDir dir;
    ClientInfo client;
    EXPECT_EQ(writeClientFile(client, dir.filePath("no/such/Vtb00001.kvr")), kClientFileCannotOpen);
}

TEST(HomeRuleCategory, ClassifiesByCodeThenPrefix) {
    const std::pair<const char*, int> cases[] = {
        {"016-0001-1", 0}, {"022-0068-6", 1}, {"016-0002-1", 2}, {"022-0001-2", 3},
        {"045-0210-7", 4}, {"056-0003-1", 5}, {"017-0001-1", 6}, {"", 6},
        {"016", 2},        {"16-0001-1", 6},  {"022-0068-6 ", 3}};
    for (const auto& [code, category] : cases)
        EXPECT_EQ(homeRuleCategory(code), category) << '"' << code << '"';
}
