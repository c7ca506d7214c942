#include "ui/BalloonTip.h"

#include "ui/ui/wizard/UiTestHelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {
QStringList labelTexts(const QWidget* tip) {
    QStringList texts;
    for (const QLabel* label : tip->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// A tip without a time on `field`, as a field's help shows it.
QPointer<BalloonTip> helpTip(QWidget* field, MessageIcon icon = MessageIcon::Question) {
    return BalloonTip::showFor(field, QStringLiteral("Help"), QStringLiteral("Field help."), icon,
                               false, 0);
}

TEST(BalloonTip, ShowsTitleAndTextBelowTheFieldAndClosesOnItsTimer) {
    QLineEdit field;
    field.resize(200, 24);
    field.show();
    QPointer<BalloonTip> tip = BalloonTip::showFor(&field, QStringLiteral("Total receipts"),
                                                   QStringLiteral("Enter the total receipts."),
                                                   MessageIcon::Warning, true, 150);
    ASSERT_TRUE(tip);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_TRUE(labelTexts(tip).contains(QStringLiteral("Total receipts")));
    EXPECT_TRUE(labelTexts(tip).contains(QStringLiteral("Enter the total receipts.")));
    EXPECT_GE(tip->geometry().top(), field.mapToGlobal(QPoint(0, 0)).y());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip.isNull(); }, 3000));
}

TEST(BalloonTip, WithoutATimeItStaysUntilClicked) {
    QLineEdit field;
    field.show();
    QPointer<BalloonTip> tip = helpTip(&field, MessageIcon::Information);
    QTest::qWait(300);
    ASSERT_TRUE(tip);
    EXPECT_TRUE(tip->isVisible());
    QTest::mouseClick(tip, Qt::LeftButton, {}, QPoint(tip->width() / 2, tip->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip.isNull(); }, 3000));
}
// A tip never outlives the sight of its field: hiding the field itself, the page it stands
// on or its window closes the tip.
TEST(BalloonTip, ClosesWhenItsFieldIsHidden) {
    const std::function<void(QWidget & window, QWidget & page, QLineEdit & field)> hides[] = {
        [](QWidget&, QWidget&, QLineEdit& field) { field.hide(); },
        [](QWidget&, QWidget& page, QLineEdit&) { page.hide(); },
        [](QWidget& window, QWidget&, QLineEdit&) { window.close(); },
    };
    for (const auto& hide : hides) {
        QWidget window;
        auto* page = new QWidget(&window);
        auto* field = new QLineEdit(page);
        window.show();
        QPointer<BalloonTip> tip = helpTip(field);
        ASSERT_TRUE(tip && tip->isVisible());
        hide(window, *page, *field);
        EXPECT_TRUE(!tip || !tip->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return tip.isNull(); }, 3000));
    }
}

// A question or message that opens closes the tip, which would otherwise stay on top of it; a
// window that is not modal leaves the tip alone.
TEST(BalloonTip, ClosesWhenAModalWindowOpens) {
    QLineEdit field;
    field.show();
    QPointer<BalloonTip> tip = helpTip(&field);
    QWidget other;
    other.show();
    EXPECT_TRUE(tip && tip->isVisible());
    bool tipShownWithQuestion = true;
    whenModalOpens<QMessageBox>([&](QMessageBox* question) {
        tipShownWithQuestion = tip && tip->isVisible();
        question->reject();
    });
    QMessageBox::question(&field, QStringLiteral("Vantrobe"), QStringLiteral("Cancel?"));
    EXPECT_FALSE(tipShownWithQuestion);
}
} // namespace
