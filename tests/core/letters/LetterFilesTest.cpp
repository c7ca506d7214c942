#include "letters/ClientLetters.h"
#include "letters/DefaultLetter.h"
#include "letters/LetterGenerator.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ProgramFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray factoryLetter() {
    return TestFiles::readAll(QStringLiteral(":/letters/DefaultLetter.rtf"));
}

// A program folder and a client data folder of their own for each test.
class LetterFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramFolder::setOverride(program_.path());
        clients_ = ProgramFolder::withTrailingSeparator(clientFolder_.path());
    }
    void TearDown() override { ProgramFolder::setOverride({}); }

    QString clientFile(const char* name) const { return clients_ + QLatin1String(name); }

    LetterInputs inputsFor(const QString& clientFilePath) const {
        LetterInputs inputs;
        inputs.preparer.name = QStringLiteral("Pat Preparer");
        inputs.client.name = QStringLiteral("Corner Store");
        inputs.clientFilePath = clientFilePath;
        inputs.amountDue = 77;
        inputs.today = QDate(2026, 4, 20);
        return inputs;
    }

    QTemporaryDir program_;
    QTemporaryDir clientFolder_;
    QString clients_;
};
} // namespace

TEST_F(LetterFiles, DefaultLetterIsWrittenWhenMissingAndOnlyRewrittenWhenForced) {
    EXPECT_EQ(defaultLetterPath(), program_.path() + QStringLiteral("/DefaultLetter.rtf"));
    ASSERT_TRUE(ensureDefaultLetter(false));
    EXPECT_EQ(TestFiles::readAll(defaultLetterPath()), factoryLetter());

    TestFiles::writeAll(defaultLetterPath(), "{\\rtf1 my own letter}");
    EXPECT_TRUE(ensureDefaultLetter(false));
    EXPECT_EQ(TestFiles::readAll(defaultLetterPath()), "{\\rtf1 my own letter}");

    EXPECT_TRUE(ensureDefaultLetter(true));
    EXPECT_EQ(TestFiles::readAll(defaultLetterPath()), factoryLetter());
}

TEST_F(LetterFiles, DefaultLetterFailsInAFolderThatCannotBeWritten) {
    ProgramFolder::setOverride(program_.filePath(QStringLiteral("missing/folder")));
    EXPECT_FALSE(ensureDefaultLetter(false));
    EXPECT_FALSE(QFileInfo::exists(defaultLetterPath()));
}

TEST_F(LetterFiles, GeneratedLetterIsATemporaryTltFileFromTheDefaultLetter) {
    ASSERT_TRUE(ensureDefaultLetter(false));
    const QString letter = generateLetter(inputsFor(clientFile("Vtb00001.kvr")));
    ASSERT_FALSE(letter.isEmpty());
    EXPECT_TRUE(QFileInfo(letter).fileName().startsWith(QStringLiteral("tlt")));
    EXPECT_EQ(QFileInfo(letter).absolutePath(), PrivateTempFolder::path());
    const QByteArray text = TestFiles::readAll(letter);
    EXPECT_TRUE(text.contains("Apr 20, 2026"));
    EXPECT_TRUE(text.contains("Corner Store"));
    EXPECT_TRUE(text.contains("balance due of $77."));
    QFile::remove(letter);
}

TEST_F(LetterFiles, ClientLetterIsPreferredWhileItExists) {
    const QString client = clientFile("Vtb00002.kvr");
    ASSERT_TRUE(ensureClientLetter(client)) << "the missing default letter is written first";
    EXPECT_EQ(TestFiles::readAll(clientLetterPath(client)), factoryLetter());
    TestFiles::writeAll(clientLetterPath(client), "{\\rtf1 Dear <CLIENT_NAME>\\par}");
    EXPECT_TRUE(ensureClientLetter(client)) << "an existing client letter is left alone";

    QString letter = generateLetter(inputsFor(client));
    EXPECT_EQ(TestFiles::readAll(letter), "{\\rtf1 Dear Corner Store\\par}");
    QFile::remove(letter);

    QFile::remove(clientLetterPath(client));
    letter = generateLetter(inputsFor(client));
    EXPECT_TRUE(TestFiles::readAll(letter).contains("Dear Sir or Madam:"));
    QFile::remove(letter);
}

TEST_F(LetterFiles, TemplateIsReadInTextMode) {
    const QString client = clientFile("Vtb00003.kvr");
    TestFiles::writeAll(clientLetterPath(client), "{\\rtf1\r\n<CLIENT_NAME>\\par\r\n}");
    const QString letter = generateLetter(inputsFor(client));
    EXPECT_EQ(TestFiles::readAll(letter), "{\\rtf1\nCorner Store\\par\n}");
    QFile::remove(letter);
}

TEST_F(LetterFiles, MissingTemplateGivesAnEmptyLetterFile) {
    const QString letter = generateLetter(inputsFor(clientFile("Vtb00004.kvr")));
    ASSERT_FALSE(letter.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(letter));
    EXPECT_EQ(QFileInfo(letter).size(), 0);
    QFile::remove(letter);
}

TEST_F(LetterFiles, ResettingAllClientLettersMovesThemIntoTheBackupFolder) {
    TestFiles::writeAll(clientFile("Vtb00001.tlt"), "first letter");
    TestFiles::writeAll(clientFile("Vtb00002.tlt"), "second letter");
    TestFiles::writeAll(clientFile("Vtb00001.kvr"), "client");
    EXPECT_TRUE(resetAllClientLetters(clients_).isEmpty());

    const QString backup = backedUpLettersFolder(clients_) + u'/';
    EXPECT_EQ(backup, clients_ + QStringLiteral("BackedUpLettersFolder/"));
    EXPECT_EQ(TestFiles::readAll(backup + QStringLiteral("Vtb00001.tlt")), "first letter");
    EXPECT_EQ(TestFiles::readAll(backup + QStringLiteral("Vtb00002.tlt")), "second letter");
    EXPECT_FALSE(QFileInfo::exists(clientFile("Vtb00001.tlt")));
    EXPECT_FALSE(QFileInfo::exists(clientFile("Vtb00002.tlt")));
    EXPECT_TRUE(QFileInfo::exists(clientFile("Vtb00001.kvr")));

    // A second run finds nothing to move.
    EXPECT_TRUE(resetAllClientLetters(clients_).isEmpty());

    // A letter whose name is already backed up stays in place, and so does the backup.
    TestFiles::writeAll(clientFile("Vtb00001.tlt"), "newer letter");
    TestFiles::writeAll(clientFile("Vtb00005.tlt"), "fifth letter");
    EXPECT_EQ(resetAllClientLetters(clients_), QStringList{QStringLiteral("Vtb00001.tlt")});
    EXPECT_EQ(TestFiles::readAll(clientFile("Vtb00001.tlt")), "newer letter");
    EXPECT_EQ(TestFiles::readAll(backup + QStringLiteral("Vtb00001.tlt")), "first letter");
    EXPECT_EQ(TestFiles::readAll(backup + QStringLiteral("Vtb00005.tlt")), "fifth letter");
    EXPECT_FALSE(QFileInfo::exists(clientFile("Vtb00005.tlt")));
}

TEST_F(LetterFiles, ResettingWithoutClientLettersOnlyCreatesTheBackupFolder) {
    EXPECT_TRUE(resetAllClientLetters(clients_).isEmpty());
    EXPECT_TRUE(QFileInfo(backedUpLettersFolder(clients_)).isDir());
}
