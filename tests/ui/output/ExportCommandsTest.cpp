#include "output/ExportCommands.h"

#include "app/OptionsDialog.h"
#include "output/ExportPrompts.h"
#include "platform/FixedText.h"
#include "platform/PrivateTempFolder.h"
#include "settings/MailSettings.h"
#include "settings/OptionsSettings.h"
#include "support/BlankReturnPages.h"
#include "support/SmtpTestServer.h"
#include "support/TestFiles.h"
#include "ui/ui/RecordingMessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kSaveFailed = QStringLiteral("Save Failed!");

class ExportCommandsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { blank = new BlankReturnPages; }
    static void TearDownTestSuite() {
        delete blank;
        blank = nullptr;
    }

    void SetUp() override {
        ASSERT_EQ(blank->pages().size(), 5u);
        context.pages = blank->pages();
        initClientRecord(context.client.record);
        FixedText::set(context.client.record.businessName, "Acme Grocery Inc");
        FixedText::set(context.client.record.email, "owner@acme.example");
        context.periodText = QStringLiteral("Feb 2005");
        context.paymentDue = 1234;
        preview = folder.filePath(QStringLiteral("Acme Grocery Inc-3-15-2005.doc"));
        TestFiles::writeAll(preview, "{\\rtf1 the preview document}");
        forgetMailPassword();
    }
    void TearDown() override { ExportPrompts::setHandlers({}); }

    void saveAs(const QString& chosen) {
        ExportPrompts::setHandlers({[chosen] { return chosen; }, {}, {}});
        saveReturnAs(nullptr, context, preview);
    }
    QStringList shownTexts() const {
        QStringList texts;
        for (const auto& shown : messages.shown)
            texts << shown.text;
        return texts;
    }

    static BlankReturnPages* blank;
    PreviewContext context;
    QTemporaryDir folder;
    QString preview;
    RecordingMessageBoxes messages;
};

BlankReturnPages* ExportCommandsTest::blank = nullptr;

struct SaveCase {
    const char* chosen;  // the name picked in the save dialog
    const char* written; // the file that must exist afterwards; empty: none
    const char* starts;  // how that file begins
};

class SaveReturnAsTest : public ExportCommandsTest,
                         public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveReturnAsTest, TheExtensionChoosesWhatIsWritten) {
    saveAs(folder.filePath(QLatin1String(GetParam().chosen)));
    const QString written = folder.filePath(QLatin1String(GetParam().written));
    EXPECT_TRUE(TestFiles::readAll(written).startsWith(GetParam().starts)) << GetParam().written;
    // The preparer is told where the file went.
    ASSERT_EQ(messages.shown.size(), 1u) << shownTexts().join(u'|').toStdString();
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(messages.shown[0].text.endsWith(QDir::toNativeSeparators(written)))
        << messages.shown[0].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Names, SaveReturnAsTest,
                         ::testing::Values(SaveCase{"return.pdf", "return.pdf", "%PDF-1.2\r"},
                                           SaveCase{"RETURN.PDF", "RETURN.PDF", "%PDF-1.2\r"},
                                           SaveCase{"return", "return.pdf", "%PDF-1.2\r"},
                                           SaveCase{"copy.doc", "copy.doc", "{\\rtf1 the preview"},
                                           SaveCase{"COPY.DOC", "COPY.DOC",
                                                    "{\\rtf1 the preview"}));

TEST_F(ExportCommandsTest, AnotherExtensionIsAnsweredAndNothingIsWritten) {
    saveAs(folder.filePath(QStringLiteral("return.txt")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral(".pdf or .doc")));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("return.txt"))));
}

TEST_F(ExportCommandsTest, AFailedSaveSaysSo) {
    const QString noFolder = folder.filePath(QStringLiteral("no such folder/"));
    for (const QString& name :
         {noFolder + QStringLiteral("return.pdf"), noFolder + QStringLiteral("copy.doc")}) {
        messages.shown.clear();
        saveAs(name);
        EXPECT_EQ(shownTexts(), QStringList{kSaveFailed});
    }
    QFile::remove(preview); // the preview window has gone
    messages.shown.clear();
    saveAs(folder.filePath(QStringLiteral("copy.doc")));
    EXPECT_EQ(shownTexts(), QStringList{kSaveFailed});
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("copy.doc"))));
}

TEST_F(ExportCommandsTest, TheSaveDialogOpensInTheFolderSavedInLast) {
    QTemporaryDir other;
    saveAs(QDir(other.path()).filePath(QStringLiteral("return.doc")));
    EXPECT_EQ(ExportPrompts::saveFolder(), QFileInfo(other.path()).absoluteFilePath());
    // A failed save, a refused name and a cancel leave the folder as it was.
    saveAs(folder.filePath(QStringLiteral("no such folder/return.pdf")));
    saveAs(folder.filePath(QStringLiteral("return.txt")));
    saveAs(QString());
    EXPECT_EQ(ExportPrompts::saveFolder(), QFileInfo(other.path()).absoluteFilePath());
    // A folder that has gone since is not offered.
    other.remove();
    EXPECT_EQ(ExportPrompts::saveFolder(),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

TEST_F(ExportCommandsTest, CancellingTheSaveDialogDoesNothing) {
    saveAs(QString());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

// E-mail through a real SMTP server on 127.0.0.1.
class EmailReturnTest : public ExportCommandsTest {
protected:
    void useServer(const SmtpTestServer& server, const QString& user = {}) {
        MailSettings settings;
        settings.server = QStringLiteral("127.0.0.1");
        settings.port = server.port();
        settings.useTls = 0;
        settings.user = user;
        settings.sender = QStringLiteral("preparer@example.com");
    }
    void answer(std::optional<QString> password, bool send = true) {
        ExportPrompts::setHandlers({{},
                                    [this, send](MailDraft& draft) {
                                        drafts.push_back(draft);
                                        draft.body = QStringLiteral("Edited body.");
                                        return send;
                                    },
                                    [this, password](const QString&, const QString&) {
                                        ++passwordPrompts;
                                        return password;
                                    }});
    }
    static void allowSendingWithoutLogin(int allowed) {
        MailSettings settings; // written back when it goes out of scope
        settings.sendWithoutLogin = allowed;
    }
    std::vector<MailDraft> drafts;
    int passwordPrompts = 0;
};

TEST_F(EmailReturnTest, TheReturnArrivesWithThePdfAndTheInstructions) {
    SmtpTestServer server(QStringLiteral("accept"));
    ASSERT_TRUE(server.isRunning());
    useServer(server);
    answer(std::nullopt);

    emailReturn(nullptr, context);

    ASSERT_EQ(drafts.size(), 1u);
    EXPECT_EQ(drafts[0].to, QStringLiteral("owner@acme.example"));
    EXPECT_EQ(drafts[0].subject,
              QStringLiteral("Your Illinois Sales Tax Return for the period ending: Feb 2005"));
    EXPECT_EQ(shownTexts(),
              QStringList{QStringLiteral("The return was sent to owner@acme.example.")});
    EXPECT_EQ(passwordPrompts, 0);
    ASSERT_EQ(server.messageCount(), 1);
    EXPECT_EQ(server.recipients(1), QStringList{QStringLiteral("owner@acme.example")});
    const QJsonObject received = server.message(1);
    EXPECT_EQ(received[QStringLiteral("subject")].toString(), drafts[0].subject);
    EXPECT_EQ(received[QStringLiteral("body")].toString(), QStringLiteral("Edited body."));
    const QJsonArray attachments = received[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(attachments.size(), 2);
    EXPECT_EQ(attachments[0][QStringLiteral("name")].toString(),
              QStringLiteral("Acme Grocery Inc Feb 2005.pdf"));
    EXPECT_TRUE(
        QByteArray::fromBase64(attachments[0][QStringLiteral("base64")].toString().toLatin1())
            .startsWith("%PDF-1.2\r"));
    EXPECT_EQ(attachments[1][QStringLiteral("name")].toString(),
              QStringLiteral("Instructions.doc"));
    const QByteArray instructions =
        QByteArray::fromBase64(attachments[1][QStringLiteral("base64")].toString().toLatin1());
    EXPECT_TRUE(instructions.startsWith("{\\rtf1"));
    EXPECT_TRUE(instructions.contains("$1,234"));
}

// The mail server set under Edit > Preferences > General is what the next e-mail of the same
// run uses, while the settings' owner (the main window) lives on.
TEST_F(EmailReturnTest, TheServerSetInThePreferencesSendsTheNextEmail) {
    SmtpTestServer server(QStringLiteral("accept"));
    ASSERT_TRUE(server.isRunning());
    OptionsSettings options(QDir::tempPath() + u'/');
    options.clientDataPath = folder.path() + u'/';
    MailSettings mail;
    OptionsDialog preferences(options, mail);
    preferences.findChild<QLineEdit*>(QStringLiteral("mailServer"))
        ->setText(QStringLiteral("127.0.0.1"));
    preferences.findChild<QSpinBox*>(QStringLiteral("mailPort"))->setValue(server.port());
    preferences.findChild<QCheckBox*>(QStringLiteral("mailTls"))->setChecked(false);
    preferences.findChild<QLineEdit*>(QStringLiteral("mailSender"))
        ->setText(QStringLiteral("preparer@example.com"));
    preferences.accept();
    ASSERT_EQ(preferences.result(), QDialog::Accepted);
    answer(std::nullopt);

    emailReturn(nullptr, context);

    EXPECT_EQ(shownTexts(),
              QStringList{QStringLiteral("The return was sent to owner@acme.example.")});
    EXPECT_EQ(server.messageCount(), 1);
}

TEST_F(EmailReturnTest, AHistoryReturnHasTheSubjectWithoutAPeriod) {
    SmtpTestServer server(QStringLiteral("accept"));
    useServer(server);
    answer(std::nullopt);
    context.periodText.clear();
    context.fromHistory = true;
    emailReturn(nullptr, context);
    ASSERT_EQ(drafts.size(), 1u);
    EXPECT_EQ(drafts[0].subject, QStringLiteral("Your Illinois Sales Tax Return"));
    EXPECT_EQ(server.messageCount(), 1);
}

TEST_F(EmailReturnTest, ARefusedPasswordGivesTheLogonTextAndIsAskedAgainNextTime) {
    SmtpTestServer server(QStringLiteral("refuse-login"));
    useServer(server, QStringLiteral("preparer"));
    answer(QStringLiteral("wrong"));
    emailReturn(nullptr, context);
    emailReturn(nullptr, context);
    EXPECT_EQ(passwordPrompts, 2);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("There was no default logon")));
    EXPECT_EQ(server.messageCount(), 0);
}

TEST_F(EmailReturnTest, CancellingThePasswordPromptSendsNothing) {
    SmtpTestServer server(QStringLiteral("accept"));
    useServer(server, QStringLiteral("preparer"));
    answer(std::nullopt);
    emailReturn(nullptr, context);
    EXPECT_EQ(shownTexts(),
              QStringList{QStringLiteral(
                  "The user canceled one of the dialog boxes. No message was sent.")});
    EXPECT_EQ(server.messageCount(), 0);
}

TEST_F(EmailReturnTest, ARejectedRecipientGivesTheRecipientText) {
    SmtpTestServer server(QStringLiteral("reject-recipient"));
    useServer(server);
    answer(std::nullopt);
    emailReturn(nullptr, context);
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral(
                                "A recipient did not appear in the address list. No message was "
                                "sent.")});
}

TEST_F(EmailReturnTest, CancellingTheComposeDialogSendsNothing) {
    SmtpTestServer server(QStringLiteral("accept"));
    useServer(server);
    answer(std::nullopt, false);
    emailReturn(nullptr, context);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(server.messageCount(), 0);
}

TEST_F(EmailReturnTest, APageThatCannotBeExportedGivesThePdfText) {
    SmtpTestServer server(QStringLiteral("accept"));
    useServer(server);
    answer(std::nullopt);
    context.pages[1] = pageOfFile(folder.filePath(QStringLiteral("missing.emf")));
    emailReturn(nullptr, context);
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("Failed to create PDF file.")});
    EXPECT_EQ(server.messageCount(), 0);
}

// A client file whose e-mail address carries a line break (an injected second recipient) is
// refused with a message; the server hears nothing.
TEST_F(EmailReturnTest, AnAddressWithALineBreakFromTheClientFileIsRefused) {
    SmtpTestServer server(QStringLiteral("accept"));
    useServer(server);
    answer(std::nullopt);
    FixedText::set(context.client.record.email, "owner@acme.example\r\nRCPT TO:<x@evil.ex>");
    emailReturn(nullptr, context);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("The recipient's address contains a line break")));
    EXPECT_EQ(server.senders(), QStringList());
}

TEST_F(EmailReturnTest, AServerWithoutLoginGetsNothingUntilThePreparerAllowsIt) {
    SmtpTestServer server(QStringLiteral("accept"));
    useServer(server, QStringLiteral("preparer"));
    answer(QStringLiteral("secret"));
    emailReturn(nullptr, context);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("The mail server does not offer a login")));
    EXPECT_EQ(server.senders(), QStringList());

    allowSendingWithoutLogin(1);
    emailReturn(nullptr, context);
    allowSendingWithoutLogin(0);
    EXPECT_EQ(server.messageCount(), 1);
}

// The message is sent on a thread of its own with a progress window: its Cancel button stops
// a server that no longer answers, and nothing is sent.
TEST_F(EmailReturnTest, CancelInTheProgressWindowStopsAServerThatHangs) {
    SmtpTestServer server(QStringLiteral("silent-after-data"));
    useServer(server);
    answer(std::nullopt);
    QTimer cancelOnceShown;
    QObject::connect(&cancelOnceShown, &QTimer::timeout, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(window);
            if (progress && progress->isVisible() &&
                progress->windowTitle() == QStringLiteral("E-mail"))
                progress->findChild<QPushButton*>()->click();
        }
    });
    cancelOnceShown.start(50);
    emailReturn(nullptr, context);
    EXPECT_EQ(shownTexts(),
              QStringList{QStringLiteral(
                  "The user canceled one of the dialog boxes. No message was sent.")});
    EXPECT_EQ(server.messageCount(), 0);
}

TEST_F(EmailReturnTest, WithoutServerOrMailProgramTheUserIsToldWhereToSetItUp) {
    {
        MailSettings settings;
        settings.server = QString();
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toLocal8Bit()); // no xdg-email here
    answer(std::nullopt);
    emailReturn(nullptr, context);
    qputenv("PATH", path);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Edit > Preferences > General")));
    EXPECT_TRUE(drafts.empty());
}

// The desktop's mail program reads the attachments after the command has returned, so they
// stay; they stay in the run's private temporary folder, which goes when the run ends.
TEST_F(EmailReturnTest, TheDesktopMailProgramGetsTheAttachmentsFromThePrivateFolder) {
    MailSettings().server = QString();
    const QString arguments = folder.filePath(QStringLiteral("arguments"));
    const QString program = folder.filePath(QStringLiteral("xdg-email"));
    TestFiles::writeAll(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" +
                                     QFile::encodeName(arguments) + ".part' && mv '" +
                                     QFile::encodeName(arguments) + ".part' '" +
                                     QFile::encodeName(arguments) + "'\n");
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toLocal8Bit() + ":/bin:/usr/bin");
    answer(std::nullopt);
    emailReturn(nullptr, context);
    qputenv("PATH", path);
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(arguments) && !deadline.hasExpired())
        QThread::msleep(20);
    const QList<QByteArray> given = TestFiles::readAll(arguments).split('\n');
    QStringList attachments;
    for (qsizetype at = 0; at + 1 < given.size(); ++at) {
        if (given[at] == "--attach")
            attachments << QFile::decodeName(given[at + 1]);
    }
    ASSERT_EQ(attachments.size(), 2) << TestFiles::readAll(arguments).constData();
    for (const QString& attachment : attachments) {
        EXPECT_TRUE(attachment.startsWith(PrivateTempFolder::path() + u'/'))
            << attachment.toStdString();
        EXPECT_TRUE(QFile::exists(attachment)) << attachment.toStdString();
    }
    EXPECT_TRUE(attachments[0].endsWith(QStringLiteral("/Acme Grocery Inc Feb 2005.pdf")));
}

} // namespace
