#include "forms/mail/MailMessage.h"

#include "forms/mail/ReturnMail.h"

#include <gtest/gtest.h>

namespace {

MailMessage message(const QString& subject, const QString& attachmentName) {
    return MailMessage{QStringLiteral("preparer@example.com"),
                       QStringLiteral("owner@acme.example"),
                       subject,
                       QStringLiteral("Line one\nLine two"),
                       {{attachmentName, "application/pdf", QByteArray(200, '\xff')}}};
}

QByteArray compose(const MailMessage& mail) {
    return composeMime(mail, QDateTime(QDate(2005, 3, 15), QTime(9, 30), Qt::UTC), "=_b");
}

TEST(MailMessage, IsMultipartMixedWithCrLfLinesOfAtMost78Characters) {
    const QByteArray mime =
        compose(message(QStringLiteral("Plain subject"), QStringLiteral("a.pdf")));
    EXPECT_TRUE(
        mime.startsWith("From: preparer@example.com\r\nTo: owner@acme.example\r\n"
                        "Subject: Plain subject\r\nDate: Tue, 15 Mar 2005 09:30:00 +0000\r\n"
                        "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; "
                        "boundary=\"=_b\"\r\n\r\n--=_b\r\n"));
    EXPECT_TRUE(mime.contains("Content-Type: application/pdf;\r\n name=\"a.pdf\"\r\n"
                              "Content-Disposition: attachment;\r\n filename=\"a.pdf\"\r\n"
                              "Content-Transfer-Encoding: base64\r\n\r\n"));
    EXPECT_TRUE(mime.endsWith("\r\n--=_b--\r\n"));
    EXPECT_EQ(mime.count('\n'), mime.count("\r\n"));
    for (const QByteArray& line : mime.split('\n'))
        EXPECT_LE(line.size(), 79) << line.constData();
}

TEST(MailMessage, TextOutsideAsciiIsWrittenAsEncodedWordsThatKeepCharactersWhole) {
    const QString subject = QString(30, QChar(0x00e9)); // 60 bytes of UTF-8
    const QByteArray mime = compose(message(subject, QStringLiteral("Caf\u00e9.pdf")));
    const QByteArray expectedSubject =
        "Subject: =?UTF-8?B?" + QString(19, QChar(0x00e9)).toUtf8().toBase64() +
        "?=\r\n =?UTF-8?B?" + QString(11, QChar(0x00e9)).toUtf8().toBase64() + "?=\r\n";
    EXPECT_TRUE(mime.contains(expectedSubject)) << mime.left(300).constData();
    EXPECT_TRUE(mime.contains("filename=\"=?UTF-8?B?" +
                              QStringLiteral("Caf\u00e9.pdf").toUtf8().toBase64() + "?=\""));
}

TEST(ReturnMail, SubjectNameAndInstructionsFollowTheReturn) {
    EXPECT_EQ(ReturnMail::subject(QStringLiteral("Mar 2005")),
              QStringLiteral("Your Illinois Sales Tax Return for the period ending: Mar 2005"));
    EXPECT_EQ(ReturnMail::subject(QString()), QStringLiteral("Your Illinois Sales Tax Return"));
    EXPECT_EQ(ReturnMail::pdfName(QStringLiteral("A/B: \"Shop\""), QStringLiteral("Q1 2005")),
              QStringLiteral("A B Shop Q1 2005.pdf"));
    EXPECT_EQ(ReturnMail::pdfName(QString(), QString()), QStringLiteral("Sales Tax Return.pdf"));
    const QByteArray due = ReturnMail::instructionsDocument(QStringLiteral("Acme {Inc}"),
                                                            QStringLiteral("Mar 2005"), 1234567);
    EXPECT_TRUE(due.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(due.endsWith("}"));
    EXPECT_TRUE(due.contains("$1,234,567"));
    EXPECT_TRUE(due.contains("Acme \\{Inc\\}"));
    EXPECT_TRUE(
        ReturnMail::instructionsDocument(QString(), QString(), 0).contains("No payment is due"));
}

} // namespace
