#include "forms/mail/SmtpSender.h"

#include "forms/mail/MailMessage.h"
#include "support/SmtpTestServer.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

MailMessage returnMessage() {
    QByteArray pdf("%PDF-1.2\r");
    for (int i = 0; i < 5000; ++i)
        pdf += char(i * 7 % 256); // every byte value, several base64 lines
    return MailMessage{QStringLiteral("preparer@example.com"),
                       QStringLiteral("owner@acme.example"),
                       QStringLiteral("Your Illinois Sales Tax Return for the period ending: "
                                      "Mar 2005"),
                       QStringLiteral("Dear Acme,\nattached is your return.\n"),
                       {{QStringLiteral("Acme Grocery Mar 2005.pdf"), "application/pdf", pdf},
                        {QStringLiteral("Instructions.doc"), "application/msword",
                         QByteArray("{\\rtf1 Sign it.}")}}};
}

SmtpAccount accountFor(const SmtpTestServer& server) {
    SmtpAccount account;
    account.server = QStringLiteral("127.0.0.1");
    account.port = server.port();
    account.useTls = false;
    account.sender = QStringLiteral("preparer@example.com");
    account.timeoutSeconds = 20;
    return account;
}

QByteArray mime(const MailMessage& message) {
    return composeMime(message, QDateTime(QDate(2005, 3, 15), QTime(9, 30)), newMimeBoundary());
}

TEST(SmtpSender, TheMessageArrivesWithRecipientSubjectAndBothAttachmentsIntact) {
    SmtpTestServer server(QStringLiteral("accept"));
    ASSERT_TRUE(server.isRunning());
    const MailMessage message = returnMessage();

    const MailResult result = sendBySmtp(accountFor(server), message.to, mime(message));

    ASSERT_TRUE(result.ok()) << result.serverReply.toStdString();
    ASSERT_EQ(server.messageCount(), 1);
    EXPECT_EQ(server.recipients(1), QStringList{QStringLiteral("owner@acme.example")});
    const QJsonObject received = server.message(1);
    EXPECT_EQ(received[QStringLiteral("subject")].toString(), message.subject);
    EXPECT_EQ(received[QStringLiteral("to")].toString(), message.to);
    // Text travels with CR LF line ends, as MIME wants it.
    EXPECT_EQ(received[QStringLiteral("body")].toString(),
              QStringLiteral("Dear Acme,\r\nattached is your return.\r\n"));
    const QJsonArray attachments = received[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(attachments.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QJsonObject attachment = attachments[i].toObject();
        EXPECT_EQ(attachment[QStringLiteral("name")].toString(), message.attachments[i].name);
        EXPECT_EQ(attachment[QStringLiteral("type")].toString().toLatin1(),
                  message.attachments[i].mimeType);
        EXPECT_EQ(
            QByteArray::fromBase64(attachment[QStringLiteral("base64")].toString().toLatin1()),
            message.attachments[i].bytes);
    }
}

TEST(SmtpSender, NamesAndSubjectOutsideAsciiArriveAsWritten) {
    SmtpTestServer server(QStringLiteral("accept"));
    ASSERT_TRUE(server.isRunning());
    MailMessage message = returnMessage();
    message.subject = QStringLiteral("Your Illinois Sales Tax Return for Caf\u00e9 M\u00fcller "
                                     "\u2013 a long subject that needs more than one encoded word");
    message.attachments[0].name = QStringLiteral("Caf\u00e9 M\u00fcller Mar 2005.pdf");

    ASSERT_TRUE(sendBySmtp(accountFor(server), message.to, mime(message)).ok());

    const QJsonObject received = server.message(1);
    EXPECT_EQ(received[QStringLiteral("subject")].toString(), message.subject);
    EXPECT_EQ(received[QStringLiteral("attachments")][0][QStringLiteral("name")].toString(),
              message.attachments[0].name);
}

struct RefusalCase {
    const char* mode;
    const char* user; // a login is tried when not empty
    MailFailure failure;
};

class SmtpRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SmtpRefusals, EachRefusalIsToldApartAndNothingIsDelivered) {
    SmtpTestServer server(QString::fromLatin1(GetParam().mode));
    ASSERT_TRUE(server.isRunning());
    SmtpAccount account = accountFor(server);
    account.user = QString::fromLatin1(GetParam().user);
    account.password = QStringLiteral("wrong");
    const MailMessage message = returnMessage();

    const MailResult result = sendBySmtp(account, message.to, mime(message));

    EXPECT_EQ(result.failure, GetParam().failure) << result.serverReply.toStdString();
    EXPECT_EQ(server.messageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Server, SmtpRefusals,
    ::testing::Values(RefusalCase{"refuse-login", "preparer", MailFailure::LoginFailed},
                      RefusalCase{"refuse-login", "", MailFailure::LoginFailed},
                      RefusalCase{"reject-recipient", "", MailFailure::UnknownRecipient}));

TEST(SmtpSender, NoServerIsAnUnspecifiedFailureWithTheReason) {
    SmtpAccount account;
    account.server = QStringLiteral("127.0.0.1");
    {
        SmtpTestServer server(QStringLiteral("accept"));
        account.port = server.port(); // free again once the server has stopped
    }
    account.useTls = false;
    account.sender = QStringLiteral("preparer@example.com");
    const MailResult result = sendBySmtp(account, QStringLiteral("a@b.example"), "Subject: x\r\n");
    EXPECT_EQ(result.failure, MailFailure::Unspecified);
    EXPECT_FALSE(result.serverReply.isEmpty());
}

// A line break in an address would reach the conversation as a command of its own (another
// recipient): such an address is refused before anything is sent.
TEST(SmtpSender, AnAddressWithALineBreakOrControlCharacterSendsNothing) {
    SmtpTestServer server(QStringLiteral("accept"));
    ASSERT_TRUE(server.isRunning());
    const MailMessage message = returnMessage();
    const struct {
        const char* sender;
        const char* recipient;
    } cases[] = {
        {"preparer@example.com", "owner@acme.example\r\nRCPT TO:<thief@evil.example>"},
        {"preparer@example.com", "owner@acme.example\nRCPT TO:<thief@evil.example>"},
        {"preparer@example.com", "owner@acme.example\rx"},
        {"preparer@example.com", "owner@acme.example\tx"},
        {"preparer@example.com", "owner@acme.example\x7f"},
        {"preparer@example.com\r\nRCPT TO:<thief@evil.example>", "owner@acme.example"},
    };
    for (const auto& [sender, recipient] : cases) {
        SmtpAccount account = accountFor(server);
        account.sender = QString::fromLatin1(sender);
        const MailResult result =
            sendBySmtp(account, QString::fromLatin1(recipient), mime(message));
        EXPECT_EQ(result.failure, MailFailure::Unspecified) << recipient;
        EXPECT_TRUE(result.serverReply.contains(QStringLiteral("control character"))) << recipient;
    }
    EXPECT_EQ(server.senders(), QStringList());
    EXPECT_EQ(server.messageCount(), 0);
}

// With a user name set, the message goes only where the login can be used: a server that
// offers none gets nothing, not even the envelope, unless the preparer has allowed it.
TEST(SmtpSender, AServerThatOffersNoLoginGetsNothingUnlessThatIsAllowed) {
    SmtpTestServer server(QStringLiteral("accept"));
    ASSERT_TRUE(server.isRunning());
    const MailMessage message = returnMessage();
    SmtpAccount account = accountFor(server);
    account.user = QStringLiteral("preparer");
    account.password = QStringLiteral("secret");

    EXPECT_EQ(sendBySmtp(account, message.to, mime(message)).failure, MailFailure::NoLoginOffered);
    EXPECT_EQ(server.senders(), QStringList());

    account.sendWithoutLoginWhenNotOffered = true;
    EXPECT_TRUE(sendBySmtp(account, message.to, mime(message)).ok());
    EXPECT_EQ(server.messageCount(), 1);
}

// A server that stops answering holds the transfer no longer than its bounds; the test's
// own time limit fails it if it hangs.
TEST(SmtpSender, AServerThatStopsAnsweringAfterDataIsLeftInTime) {
    for (const char* mode : {"silent-after-data", "silent-after-message"}) {
        SmtpTestServer server{QLatin1String(mode)};
        ASSERT_TRUE(server.isRunning());
        SmtpAccount account = accountFor(server);
        account.responseTimeoutSeconds = 2;
        account.timeoutSeconds = 4;
        const MailMessage message = returnMessage();
        const MailResult result = sendBySmtp(account, message.to, mime(message));
        EXPECT_EQ(result.failure, MailFailure::Unspecified) << mode;
        EXPECT_EQ(result.serverReply, QStringLiteral("The mail server did not answer in time."))
            << mode;
        EXPECT_EQ(server.messageCount(), 0) << mode;
    }
}

TEST(SmtpSender, ACancelledTransferSendsNothing) {
    SmtpTestServer server(QStringLiteral("silent-after-data"));
    ASSERT_TRUE(server.isRunning());
    const MailMessage message = returnMessage();
    int reports = 0;
    const MailResult result = sendBySmtp(accountFor(server), message.to, mime(message),
                                         [&reports](qint64, qint64) { return ++reports < 3; });
    EXPECT_EQ(result.failure, MailFailure::UserCancelled);
    EXPECT_EQ(reports, 3);
    EXPECT_EQ(server.messageCount(), 0);
}

TEST(MailFailureText, EachFailureHasItsMessageAndUnspecifiedOnesAddTheReply) {
    EXPECT_EQ(mailFailureText({MailFailure::LoginFailed, QStringLiteral("535 no")}),
              QStringLiteral("There was no default logon, and the user failed to log on "
                             "successfully when the logon dialog box was displayed. No message "
                             "was sent."));
    EXPECT_TRUE(mailFailureText({MailFailure::NoLoginOffered, {}})
                    .startsWith(QStringLiteral("The mail server does not offer a login, so the "
                                               "message was not sent")));
    EXPECT_EQ(mailFailureText({MailFailure::UnknownRecipient, {}}),
              QStringLiteral("A recipient did not appear in the address list. No message was "
                             "sent."));
    EXPECT_EQ(mailFailureText({MailFailure::AttachmentUnreadable, {}}),
              QStringLiteral("The specified attachment could not be opened. No message was "
                             "sent."));
    EXPECT_EQ(mailFailureText({MailFailure::UserCancelled, {}}),
              QStringLiteral("The user canceled one of the dialog boxes. No message was sent."));
    EXPECT_EQ(mailFailureText({MailFailure::Unspecified, QStringLiteral("554 Transaction failed")}),
              QStringLiteral("One or more unspecified errors occurred. No message was sent.\n"
                             "554 Transaction failed"));
    EXPECT_TRUE(mailFailureText({}).isEmpty());
}

} // namespace
