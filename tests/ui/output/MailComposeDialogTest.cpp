#include "output/MailComposeDialog.h"

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

} // namespace
