#include "output/MailComposeDialog.h"

#include "ui/ui/RecordingMessageBoxes.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(MailComposeDialog, ShowsTheDraftTakesTheEditsAndNeedsARecipient) {
    MailComposeDialog dialog({QStringLiteral("owner@acme.example"), QStringLiteral("Subject"),
                              QStringLiteral("Body"),
                              QStringLiteral("Acme Feb 2005.pdf, Instructions.doc")});
    auto* to = dialog.findChild<QLineEdit*>(QStringLiteral("to"));
    auto* subject = dialog.findChild<QLineEdit*>(QStringLiteral("subject"));
    auto* body = dialog.findChild<QPlainTextEdit*>(QStringLiteral("body"));
    auto* send = dialog.findChild<QPushButton*>(QStringLiteral("send"));
    ASSERT_TRUE(to && subject && body && send);
    EXPECT_EQ(to->text(), QStringLiteral("owner@acme.example"));
    EXPECT_TRUE(send->isEnabled());

    to->clear();
    EXPECT_FALSE(send->isEnabled());
    QTest::keyClicks(to, QStringLiteral(" other@acme.example "));
    EXPECT_TRUE(send->isEnabled());
    subject->setText(QStringLiteral("New subject"));
    body->setPlainText(QStringLiteral("New body"));

    const MailDraft edited = dialog.draft();
    EXPECT_EQ(edited.to, QStringLiteral("other@acme.example"));
    EXPECT_EQ(edited.subject, QStringLiteral("New subject"));
    EXPECT_EQ(edited.body, QStringLiteral("New body"));
    EXPECT_EQ(edited.attachmentNames, QStringLiteral("Acme Feb 2005.pdf, Instructions.doc"));
}

// An address read from a client file, or a subject typed in, with a line break is refused
// when Send is pressed: the dialog says why and stays open at that field.
TEST(MailComposeDialog, SendRefusesARecipientOrSubjectWithALineBreak) {
    const struct {
        const char* to;
        const char* subject;
        const char* field; // the field that keeps the focus; empty: the dialog is accepted
    } cases[] = {
        {"owner@acme.example\r\nRCPT TO:<thief@evil.example>", "Subject", "to"},
        {"owner@acme.example", "Subject\r\nBcc: thief@evil.example", "subject"},
        {"owner@acme.example", "Subject\twith a tab", "subject"},
        {"owner@acme.example", "Subject", ""},
    };
    for (const auto& [to, subject, field] : cases) {
        RecordingMessageBoxes boxes;
        MailComposeDialog dialog({QString::fromLatin1(to), QString::fromLatin1(subject),
                                  QStringLiteral("Body"), QStringLiteral("Acme.pdf")});
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("send")), Qt::LeftButton);
        const bool refused = *field != '\0';
        EXPECT_EQ(dialog.isVisible(), refused) << to << subject;
        EXPECT_EQ(boxes.shown.size(), refused ? 1u : 0u) << to << subject;
        if (refused) {
            EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("control character")));
            EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QLineEdit*>(QLatin1String(field)))
                << field;
        }
    }
}

} // namespace
