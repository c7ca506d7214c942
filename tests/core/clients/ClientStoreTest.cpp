#include "clients/ClientStore.h"

#include "clients/ClientFile.h"
#include "clients/ClientList.h"
#include "clients/DiskSpaceCheck.h"
#include "platform/FixedText.h"
#include "settings/SettingsStore.h"
#include "taxtables/TaxTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ClientStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(SettingsStore::kOrganization, SettingsStore::kApplication).clear();
        folder_ = dir_.path() + '/';
    }
    int counter() const { return SettingsStore::readInt("Private Data", "Client Count", -1); }
    void touch(const QString& name) const {
        QFile file(folder_ + name);
        file.open(QIODevice::WriteOnly);
    }
    ClientInfo client(const char* name, const char* code = "") const {
        ClientInfo info;
        FixedText::set(info.record.businessName, name);
        FixedText::set(info.record.locationCode, code);
        return info;
    }

    QTemporaryDir dir_;
    QString folder_;
};

// A one-location table whose line for `code` carries the given general rate.
TaxTable tableWith(const QTemporaryDir& dir, const std::string& code, const std::string& rate) {
    std::string line = code + std::string(50, ' ') + "20050101" + rate;
    line.resize(140, ' ');
    const std::string text = line + "\n" + std::string(60, ' ') + "20050701\n";
    QFile file(dir.filePath("Data.tbl"));
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();
    TaxTable table;
    table.load(file.fileName());
    return table;
}
} // namespace

TEST_F(ClientStoreTest, FileNamesArePaddedToFiveDigits) {
    EXPECT_EQ(ClientStore::clientFileName("/c/", 7), "/c/Vtb00007.kvr");
    EXPECT_EQ(ClientStore::clientFileName("/c/", 123456), "/c/Vtb123456.kvr");
}

TEST_F(ClientStoreTest, FirstNameWithNoCounterIsOne) {
    EXPECT_EQ(ClientStore::newClientFileName(folder_), folder_ + "Vtb00001.kvr");
    EXPECT_EQ(counter(), 1);
    EXPECT_EQ(ClientStore::newClientFileName(folder_), folder_ + "Vtb00002.kvr")
        << "a number is used up even when nothing was written";
}

TEST_F(ClientStoreTest, NamesInUseAreSkipped) {
    SettingsStore::writeInt("Private Data", "Client Count", 4);
    touch("Vtb00005.kvr");
    QDir(folder_).mkdir("Vtb00006.kvr"); // a folder of that name counts too
    EXPECT_EQ(ClientStore::newClientFileName(folder_), folder_ + "Vtb00007.kvr");
    EXPECT_EQ(counter(), 7);
}

TEST_F(ClientStoreTest, SaveChoosesANameOnlyWhenNoneIsGiven) {
    ClientInfo info = client("Oak Park Deli");
    ASSERT_EQ(ClientStore::saveClient(info, QString(), folder_), 0);
    EXPECT_EQ(info.path, folder_ + "Vtb00001.kvr");
    ASSERT_EQ(ClientStore::saveClient(info, folder_ + "Mine.kvr", folder_), 0);
    EXPECT_EQ(info.path, folder_ + "Mine.kvr");
    EXPECT_EQ(counter(), 1);

    ClientInfo lost = client("Nowhere");
    EXPECT_EQ(ClientStore::saveClient(lost, QString(), folder_ + "missing/"),
              kClientFileCannotOpen);
    EXPECT_TRUE(lost.path.isEmpty());
}

TEST_F(ClientStoreTest, LoadKeepsWhatTheListShowsAndSkipsUnreadableAndNamelessFiles) {
    ClientInfo single = client("Corner Store", "016-0001-1");
    FixedText::set(single.record.phone, "(217) 555-0100");
    FixedText::set(single.record.ibtNumber, "1234-5678");
    ClientInfo multi = client("");
    multi.record.multiSite = 1;
    multi.record.locationCount = 2;
    FixedText::set(multi.record.locations[0].name, "Main Street Shop");
    FixedText::set(multi.record.locations[0].phone, "(217) 555-0142");
    FixedText::set(multi.record.phone, "(217) 555-0999");
    ClientInfo sameNameLater = client("corner store");
    ClientInfo nameless = client("");
    ClientInfo namelessMulti = client("Business name is not the list name");
    namelessMulti.record.multiSite = 1;
    for (ClientInfo* info : {&single, &multi, &sameNameLater, &nameless, &namelessMulti})
        ASSERT_EQ(ClientStore::saveClient(*info, QString(), folder_), 0);
    touch("garbage.kvr");
    touch("notes.txt");

    ClientList list;
    list.reset(ClientStore::loadClients(folder_));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.nameAt(0), "Corner Store");
    EXPECT_EQ(list.nameAt(1), "corner store");
    EXPECT_EQ(list.nameAt(2), "Main Street Shop");
    EXPECT_EQ(list.at(0).path, single.path);
    EXPECT_EQ(list.at(0).phone, "(217) 555-0100");
    EXPECT_EQ(list.at(0).ibtNumber, "1234-5678");
    EXPECT_FALSE(list.at(0).multiSite);
    EXPECT_EQ(list.at(2).phone, "(217) 555-0142") << "a multi-site client shows its first site's";
    EXPECT_TRUE(list.at(2).multiSite);
}

// Clients of the same name are listed in the order of their file names, whatever order the
// folder hands the files out in.
TEST_F(ClientStoreTest, EqualNamesFollowTheirFileNames) {
    const QStringList names{"Vtb00007.kvr", "vtb00003.kvr", "Vtb00010.kvr", "Vtb00001.kvr",
                            "Vtb00005.kvr", "vtb00002.kvr", "Vtb00009.kvr", "Vtb00004.kvr"};
    for (const QString& name : names) {
        ClientInfo info = client("Corner Store");
        ASSERT_EQ(ClientStore::saveClient(info, folder_ + name, folder_), 0);
    }
    ClientList list;
    list.reset(ClientStore::loadClients(folder_));
    QStringList listed;
    for (int row = 0; row < list.size(); ++row)
        listed << QFileInfo(list.at(row).path).fileName();
    EXPECT_EQ(listed,
              (QStringList{"Vtb00001.kvr", "vtb00002.kvr", "vtb00003.kvr", "Vtb00004.kvr",
                           "Vtb00005.kvr", "Vtb00007.kvr", "Vtb00009.kvr", "Vtb00010.kvr"}));
}

// A command reads the client's whole record from the file when it starts: the current one,
// with the tax table lines refreshed from the table in use, which reach the file only when the
// client is saved.
TEST_F(ClientStoreTest, OpeningAClientReadsItsCurrentRecordWithRefreshedRates) {
    QTemporaryDir tableDir;
    const TaxTable table = tableWith(tableDir, "016-0001-1", "09000");
    ClientInfo single = client("Corner Store", "016-0001-1");
    ClientInfo unknownCode = client("Lakeside Bait", "099-9999-9");
    FixedText::set(unknownCode.record.taxRecord.currentGeneralRate, "07000");
    ClientInfo multi = client("");
    multi.record.multiSite = 1;
    multi.record.locationCount = 2;
    FixedText::set(multi.record.locations[0].name, "Main Street Shop");
    FixedText::set(multi.record.locations[1].locationCode, "016-0001-1");
    for (ClientInfo* info : {&single, &unknownCode, &multi})
        ASSERT_EQ(ClientStore::saveClient(*info, QString(), folder_), 0);
    ClientList list;
    list.reset(ClientStore::loadClients(folder_));
    ASSERT_EQ(list.size(), 3);

    // Changed on disk after the list was loaded.
    FixedText::set(single.record.phone, "(217) 555-0188");
    ASSERT_EQ(writeClientFile(single, single.path), 0);

    ClientInfo opened;
    ASSERT_EQ(ClientStore::openClient(list.at(0).path, table, opened), 0);
    EXPECT_EQ(opened.path, single.path);
    EXPECT_EQ(FixedText::get(opened.record.phone), "(217) 555-0188");
    EXPECT_STREQ(opened.record.taxRecord.currentGeneralRate, "09000");
    ASSERT_EQ(ClientStore::openClient(list.at(1).path, table, opened), 0);
    EXPECT_STREQ(opened.record.taxRecord.currentGeneralRate, "07000")
        << "a code no longer in the table keeps its stored line";
    ASSERT_EQ(ClientStore::openClient(list.at(2).path, table, opened), 0);
    EXPECT_STREQ(opened.record.locations[1].taxRecord.currentGeneralRate, "09000");

    ClientInfo onDisk;
    readClientFile(single.path, onDisk);
    EXPECT_STREQ(onDisk.record.taxRecord.currentGeneralRate, "")
        << "refreshed lines reach the file only when the client is saved";

    // A file gone since the list was loaded cannot be opened, and nothing is changed.
    ASSERT_TRUE(QFile::remove(unknownCode.path));
    EXPECT_EQ(ClientStore::openClient(unknownCode.path, table, opened), kClientFileCannotOpen);
    EXPECT_EQ(opened.path, multi.path);
    EXPECT_TRUE(ClientStore::openFailureText(unknownCode.path)
                    .contains(QDir::toNativeSeparators(unknownCode.path)));
}

TEST_F(ClientStoreTest, DeleteKeepsTheOldestDeletedCopy) {
    ClientInfo first = client("First");
    ASSERT_EQ(ClientStore::saveClient(first, folder_ + "Vtb00003.kvr", folder_), 0);
    EXPECT_EQ(ClientStore::deleteClientFile(first.path), QString());
    EXPECT_FALSE(QFile::exists(folder_ + "Vtb00003.kvr"));
    ASSERT_TRUE(QFile::exists(folder_ + "Vtb00003.del"));

    ClientInfo second = client("Second");
    ASSERT_EQ(ClientStore::saveClient(second, folder_ + "Vtb00003.kvr", folder_), 0);
    ClientStore::deleteClientFile(second.path);
    EXPECT_FALSE(QFile::exists(folder_ + "Vtb00003.kvr"));
    ClientInfo kept;
    ASSERT_EQ(readClientFile(folder_ + "Vtb00003.del", kept), 0);
    EXPECT_EQ(clientName(kept.record), "First");

    EXPECT_EQ(ClientStore::deleteClientFile(client("Never saved").path),
              QString()); // nothing to do
}

TEST_F(ClientStoreTest, AFileThatCannotBeRemovedSaysWhy) {
    ClientInfo blocked = client("Blocked");
    blocked.path = folder_ + "Vtb00004.kvr";
    // A folder in the file's place cannot be removed as a file.
    ASSERT_TRUE(QDir().mkpath(blocked.path + "/inside"));
    EXPECT_FALSE(ClientStore::deleteClientFile(blocked.path).isEmpty());
    EXPECT_TRUE(QFileInfo(blocked.path).isDir());
}

TEST(ClientList, KeepsRowsSortedAndComparesNamesExactly) {
    ClientList list;
    for (const char* name : {"beta Foods", "Alpha Mart", "Gamma", "alpha mart", ""}) {
        ClientInfo info;
        FixedText::set(info.record.businessName, name);
        list.add(info);
    }
    ASSERT_EQ(list.size(), 4) << "a client without a name is not listed";
    EXPECT_EQ(list.nameAt(0), "Alpha Mart");
    EXPECT_EQ(list.nameAt(1), "alpha mart");
    EXPECT_EQ(list.nameAt(2), "beta Foods");
    EXPECT_EQ(list.nameAt(3), "Gamma");
    EXPECT_TRUE(list.nameExists("Gamma"));
    EXPECT_FALSE(list.nameExists("gamma"));
    EXPECT_FALSE(list.nameExists("Gamma "));
    EXPECT_EQ(list.find("beta Foods"), 2);
    EXPECT_EQ(list.find("nobody"), -1);
    list.removeAt(0);
    EXPECT_EQ(list.find("beta Foods"), 1);
}

TEST(DiskSpaceCheck, WarnsBelowTenMegabytes) {
    EXPECT_TRUE(DiskSpaceCheck::warningFor(9 * 1024 * 1024, "/c/").has_value());
    EXPECT_FALSE(DiskSpaceCheck::warningFor(DiskSpaceCheck::kMinimumFreeBytes, "/c/").has_value());
    const QString text = *DiskSpaceCheck::warningFor(0, "/home/ann/Clients/");
    EXPECT_TRUE(text.startsWith("You are running out of disk space in the drive where Vantrobe"));
    EXPECT_TRUE(
        text.endsWith("The path of the clients' folder is shown below:\n/home/ann/Clients/"));
    EXPECT_FALSE(DiskSpaceCheck::warning("/no/such/folder/").has_value());
}

// A damaged counter starts again from 0; the names in use are still skipped.
TEST_F(ClientStoreTest, CounterOutsideItsRangeCountsFromZero) {
    const struct {
        QVariant stored;
        const char* expected;
    } cases[] = {
        {2147483647, "Vtb00002.kvr"},
        {99999999, "Vtb00002.kvr"},
        {-100, "Vtb00002.kvr"},
        {-1, "Vtb00002.kvr"},
        {"not a number", "Vtb00002.kvr"},
        {99999998, "Vtb99999999.kvr"},
        {0, "Vtb00002.kvr"},
    };
    touch("Vtb00001.kvr");
    for (const auto& test : cases) {
        QSettings(SettingsStore::kOrganization, SettingsStore::kApplication)
            .setValue("Private Data/Client Count", test.stored);
        const QString name = ClientStore::newClientFileName(folder_);
        EXPECT_EQ(name, folder_ + test.expected) << test.stored.toString().toStdString();
        ClientStore::releaseClientFileName(name);
    }
}

// A name is claimed by its empty file the moment it is handed out, so another program sharing
// the folder takes the next one; the file becomes the client's when saved, and a name left
// unused goes again. Nothing that already has a name (a file, a folder, a link that leads
// nowhere) is ever taken over.
TEST_F(ClientStoreTest, ANameIsClaimedByItsNewFileUntilSavedOrReleased) {
    QFile::link(folder_ + "nowhere", folder_ + "Vtb00001.kvr");
    const QString claimed = ClientStore::newClientFileName(folder_);
    EXPECT_EQ(claimed, folder_ + "Vtb00002.kvr");
    EXPECT_TRUE(QFileInfo(claimed).isFile());
    EXPECT_EQ(QFileInfo(claimed).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(folder_ + "nowhere"));

    SettingsStore::writeInt("Private Data", "Client Count", 0); // a second program's counter
    const QString next = ClientStore::newClientFileName(folder_);
    EXPECT_EQ(next, folder_ + "Vtb00003.kvr");

    ClientInfo info = client("Oak Park Deli");
    ASSERT_EQ(ClientStore::saveClient(info, claimed, folder_), 0);
    ClientStore::releaseClientFileName(claimed);
    ClientInfo read;
    EXPECT_EQ(readClientFile(claimed, read), kClientFileOk) << "a saved client stays";
    ClientStore::releaseClientFileName(next);
    EXPECT_FALSE(QFileInfo::exists(next));
}
