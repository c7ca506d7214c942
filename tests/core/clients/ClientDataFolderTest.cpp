#include "clients/ClientDataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ClientDataFolderTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name) + u'/'; }
    QTemporaryDir dir;
};

TEST_F(ClientDataFolderTest, TellsWhatStandsInTheWayOfKeepingClientFiles) {
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    using State = ClientDataFolder::State;
    const std::pair<QString, State> cases[] = {
        {dir.path() + u'/', State::Usable},
        {path("missing"), State::Missing},
        {dir.filePath("file"), State::NotAFolder},
    };
    for (const auto& [folder, state] : cases) {
        EXPECT_EQ(ClientDataFolder::check(folder), state) << folder.toStdString();
        EXPECT_EQ(ClientDataFolder::problemText(folder).isEmpty(), state == State::Usable);
    }
    EXPECT_EQ(ClientDataFolder::problemText(path("missing")),
              QStringLiteral("The folder \"%1\" does not exist.").arg(path("missing")));
}

TEST_F(ClientDataFolderTest, CreateMakesTheParentsTooAndFailsBelowAFile) {
    EXPECT_TRUE(ClientDataFolder::create(path("a/b/Clients")));
    EXPECT_TRUE(QFileInfo(path("a/b/Clients")).isDir());
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    EXPECT_FALSE(ClientDataFolder::create(dir.filePath("file") + "/Clients/"));
}

TEST_F(ClientDataFolderTest, OnlyTheDefaultFolderIsMadeWhenMissing) {
    const QString defaultFolder = path("Clients");
    EXPECT_TRUE(ClientDataFolder::ensureDefault(path("usb/Clients"), defaultFolder));
    EXPECT_FALSE(QFileInfo::exists(path("usb")));
    // The same folder written without its trailing separator is still the default one.
    EXPECT_TRUE(ClientDataFolder::ensureDefault(dir.filePath("Clients"), defaultFolder));
    EXPECT_TRUE(QFileInfo(defaultFolder).isDir());
    EXPECT_TRUE(ClientDataFolder::ensureDefault(defaultFolder, defaultFolder));
}

TEST_F(ClientDataFolderTest, ADefaultFolderThatCannotBeMadeIsReported) {
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    const QString impossible = dir.filePath("file") + "/Clients/";
    EXPECT_FALSE(ClientDataFolder::ensureDefault(impossible, impossible));
}
} // namespace
