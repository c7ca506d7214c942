#include "forms/mail/MailFieldCheck.h"

#include "forms/mail/MailMessage.h"

#include <gtest/gtest.h>

namespace {

TEST(MailFieldCheck, LineBreaksAndOtherControlCharactersAreFound) {
    const struct {
        const char16_t* text;
        bool control;
    } cases[] = {
        {u"owner@acme.example", false},
        {u"Caf\u00e9 M\u00fcller \u2013 Mar 2005", false},
        {u"", false},
        {u"owner@acme.example\r\nRCPT TO:<thief@evil.example>", true},
        {u"a\rb", true},
        {u"a\nb", true},
        {u"a\tb", true},
        {u"a\x7f", true},
        {u"a\u0085b", true}, // the C1 "next line"
        {u"a\u2028b", true}, // Unicode line separator
        {u"a\u2029b", true}, // Unicode paragraph separator
    };
    for (const auto& [text, control] : cases)
        EXPECT_EQ(MailFieldCheck::hasControlCharacter(QString::fromUtf16(text)), control)
            << QString::fromUtf16(text).toStdString();
    const QString nul = QString::fromUtf16(u"a\0b", 3);
    EXPECT_TRUE(MailFieldCheck::hasControlCharacter(nul));
}

TEST(MailFieldCheck, TheMessageNamesTheFirstFieldThatIsNotOneLine) {
    MailMessage message{QStringLiteral("preparer@example.com"),
                        QStringLiteral("owner@acme.example"),
                        QStringLiteral("Your return"),
                        QStringLiteral("A body\nmay have\r\nline breaks."),
                        {{QStringLiteral("Acme.pdf"), "application/pdf", "%PDF"}}};
    EXPECT_EQ(MailFieldCheck::problem(message), QString());

    message.subject = QStringLiteral("Your return\r\nBcc: thief@evil.example");
    EXPECT_EQ(MailFieldCheck::problem(message),
              QStringLiteral("The subject contains a line break or another control character, "
                             "which an e-mail cannot carry there. Please correct it; no message "
                             "was sent."));
    message.to = QStringLiteral("owner@acme.example\n");
    EXPECT_TRUE(MailFieldCheck::problem(message).startsWith(
        QStringLiteral("The recipient's address contains")));
    message.from = QStringLiteral("preparer@example.com\r");
    EXPECT_TRUE(MailFieldCheck::problem(message).startsWith(
        QStringLiteral("The sender address set under Edit > Preferences > General")));

    MailMessage attachment{QStringLiteral("a@b.example"),
                           QStringLiteral("c@d.example"),
                           {},
                           {},
                           {{QStringLiteral("Acme\n.pdf"), "application/pdf", "%PDF"}}};
    EXPECT_TRUE(MailFieldCheck::problem(attachment)
                    .startsWith(QStringLiteral("The attachment name \"Acme\n.pdf\" contains")));
}

} // namespace
