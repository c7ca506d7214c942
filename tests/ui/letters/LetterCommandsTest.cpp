#include "letters/LetterCommands.h"

#include "LetterEditorTestSupport.h"
#include "letters/DefaultLetter.h"
#include "platform/ProgramFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class LetterCommands : public ::testing::Test {
protected:
    void SetUp() override { ProgramFolder::setOverride(program_.path()); }
    void TearDown() override { ProgramFolder::setOverride({}); }

    ScriptedPrompts prompts_;
    QTemporaryDir program_;
    QTemporaryDir clientFolder_;
    QString clients_ = ProgramFolder::withTrailingSeparator(clientFolder_.path());
};
} // namespace

TEST_F(LetterCommands, ResetDefaultLetterAsksAndRestoresTheFactoryLetter) {
    TestFiles::writeAll(defaultLetterPath(), "{\\rtf1 changed}");
    prompts_.answers = {MessageAnswer::No};
    resetDefaultLetterCommand(nullptr);
    ASSERT_EQ(prompts_.messages.size(), 1);
    const ShownMessage& question = prompts_.messages[0];
    EXPECT_EQ(question.text,
              QStringLiteral("This will reset the \"Default Transmittal Letter\" to its original "
                             "content, which comes with Vantrobe, which means you will lose any "
                             "changes, which you might have done to the letter. Are you sure you "
                             "want to continue?"));
    EXPECT_EQ(question.icon, MessageIcon::Stop);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.defaultButton, QMessageBox::No);
    EXPECT_EQ(TestFiles::readAll(defaultLetterPath()), "{\\rtf1 changed}");

    prompts_.answers = {MessageAnswer::Yes};
    resetDefaultLetterCommand(nullptr);
    EXPECT_EQ(TestFiles::readAll(defaultLetterPath()),
              TestFiles::readAll(QStringLiteral(":/letters/DefaultLetter.rtf")));
    EXPECT_EQ(prompts_.messages.size(), 2) << "a successful reset shows nothing more";
}

TEST_F(LetterCommands, ResetDefaultLetterReportsAFolderItCannotWrite) {
    ProgramFolder::setOverride(program_.filePath(QStringLiteral("missing")));
    prompts_.answers = {MessageAnswer::Yes};
    resetDefaultLetterCommand(nullptr);
    ASSERT_EQ(prompts_.messages.size(), 2);
    EXPECT_TRUE(prompts_.messages[1].text.startsWith(
        QStringLiteral("The default transmittal letter could not be written:")));
}

TEST_F(LetterCommands, ResetAllClientLettersAsksMovesAndReports) {
    TestFiles::writeAll(clients_ + QStringLiteral("Vtb00001.tlt"), "letter one");
    prompts_.answers = {MessageAnswer::No};
    resetAllClientLettersCommand(nullptr, clients_);
    ASSERT_EQ(prompts_.messages.size(), 1);
    EXPECT_TRUE(prompts_.messages[0].text.startsWith(
        QStringLiteral("This will reset the transmittal letters for all clients configured "
                       "inside Vantrobe,")));
    EXPECT_EQ(prompts_.messages[0].defaultButton, QMessageBox::No);
    EXPECT_TRUE(QFileInfo::exists(clients_ + QStringLiteral("Vtb00001.tlt")));
    EXPECT_FALSE(QFileInfo::exists(clients_ + QStringLiteral("BackedUpLettersFolder")));

    prompts_.answers = {MessageAnswer::Yes};
    resetAllClientLettersCommand(nullptr, clients_);
    ASSERT_EQ(prompts_.messages.size(), 3);
    EXPECT_EQ(prompts_.messages[2].text, QStringLiteral("Reset Completed"));
    EXPECT_FALSE(QFileInfo::exists(clients_ + QStringLiteral("Vtb00001.tlt")));
    EXPECT_EQ(TestFiles::readAll(clients_ + QStringLiteral("BackedUpLettersFolder/Vtb00001.tlt")),
              "letter one");

    // Run again: nothing to move, just the completion.
    prompts_.answers = {MessageAnswer::Yes};
    resetAllClientLettersCommand(nullptr, clients_);
    EXPECT_EQ(prompts_.messages.last().text, QStringLiteral("Reset Completed"));

    // A letter that could not be moved is named, so the user knows it was kept.
    TestFiles::writeAll(clients_ + QStringLiteral("Vtb00001.tlt"), "letter one, again");
    prompts_.answers = {MessageAnswer::Yes};
    resetAllClientLettersCommand(nullptr, clients_);
    EXPECT_TRUE(prompts_.messages.last().text.startsWith(QStringLiteral("Reset Completed\n\n")));
    EXPECT_TRUE(prompts_.messages.last().text.endsWith(QStringLiteral("Vtb00001.tlt")));
    EXPECT_EQ(TestFiles::readAll(clients_ + QStringLiteral("Vtb00001.tlt")), "letter one, again");
}
