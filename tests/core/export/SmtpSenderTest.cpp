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

TEST(MailFailureText, EachFailureHasItsMessageAndUnspecifiedOnesAddTheReply) {
    EXPECT_EQ(mailFailureText({MailFailure::LoginFailed, QStringLiteral("535 no")}),
              QStringLiteral("There was no default logon, and the user failed to log on "
                             "successfully when the logon dialog box was displayed. No message "
                             "was sent."));
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
