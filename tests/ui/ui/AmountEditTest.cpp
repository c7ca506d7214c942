#include "ui/AmountEdit.h"

#include "ui/BalloonTip.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <gtest/gtest.h>

namespace {
// The title and text of the balloon shown at the field ("title|text"), or an empty text when
// none is shown.
QString balloonText() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* tip = qobject_cast<BalloonTip*>(window);
        if (!tip || !tip->isVisible())
            continue;
        QStringList texts;
        for (const QLabel* label : tip->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        return texts.join(u'|');
    }
    return {};
}

void closeBalloons() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<BalloonTip*>(window))
            window->close();
}

class AmountEditTest : public ::testing::Test {
protected:
    void TearDown() override { closeBalloons(); }

    // Pastes `text` with Ctrl+V into the field, replacing what it held.
    static void paste(AmountEdit& field, const QString& text) {
        QApplication::clipboard()->setText(text);
        field.selectAll();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(&field, &press);
    }
};
} // namespace

// What a preparer copies from a spreadsheet goes in as its digits; the amount is the one the
// same digits typed give.
TEST_F(AmountEditTest, PastedSpreadsheetAmountsAreTaken) {
    const struct {
        const char* pasted;
        const char* shown;
        double value;
    } cases[] = {{"1,234.56", "1234.56", 1234.56},
                 {"$1,000.00", "1000.00", 1000.00},
                 {" 2500.75 ", "2500.75", 2500.75},
                 {"$ 9,876,543,210.99", "9876543210.99", 9876543210.99}};
    for (const auto& c : cases) {
        AmountEdit field;
        field.show();
        paste(field, QLatin1String(c.pasted));
        EXPECT_EQ(field.text(), QLatin1String(c.shown)) << c.pasted;
        EXPECT_EQ(field.value(), c.value) << c.pasted;
        EXPECT_EQ(balloonText(), QString()) << c.pasted;
        AmountEdit typed;
        typeInto(&typed, QLatin1String(c.shown));
        EXPECT_EQ(typed.value(), field.value()) << "bit for bit as typed: " << c.pasted;
    }
}

// Input the field cannot take leaves it as it was, and a balloon at the field says why.
TEST_F(AmountEditTest, RefusedInputIsSaidAtTheField) {
    const struct {
        AmountEdit::Kind kind;
        const char* before;
        const char* pasted;
        const char* why;
    } cases[] = {
        {AmountEdit::Kind::Dollars, "12", "-500", "An amount can't be negative."},
        {AmountEdit::Kind::Dollars, "12", "123456789012",
         "An amount has at most 10 digits before the decimal point."},
        {AmountEdit::Kind::Dollars, "12", "1.2345",
         "An amount has at most 2 digits after the decimal point."},
        {AmountEdit::Kind::Dollars, "12", "12,5",
         "An amount takes digits and one decimal point, for example 1234.56."},
        {AmountEdit::Kind::WholeNumber, "7", "12.5", "This field takes whole numbers only."},
    };
    for (const auto& c : cases) {
        AmountEdit field(c.kind);
        field.show();
        typeInto(&field, QLatin1String(c.before));
        paste(field, QLatin1String(c.pasted));
        EXPECT_EQ(field.text(), QLatin1String(c.before)) << c.pasted;
        EXPECT_EQ(balloonText(), AmountEdit::refusalTitle() + u'|' + QLatin1String(c.why))
            << c.pasted;
        closeBalloons();
    }
}

// Typing: a key the field refuses keeps the text and says why; one balloon at a time.
TEST_F(AmountEditTest, ARefusedKeyIsSaidOnce) {
    AmountEdit field;
    field.show();
    typeInto(&field, QStringLiteral("1.234"));
    EXPECT_EQ(field.text(), QStringLiteral("1.23"));
    EXPECT_TRUE(
        balloonText().endsWith(QStringLiteral("at most 2 digits after the decimal point.")));
    typeInto(&field, QStringLiteral("-5"));
    EXPECT_EQ(field.text(), QStringLiteral("5"));
    int balloons = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        balloons += qobject_cast<BalloonTip*>(window) && window->isVisible();
    EXPECT_EQ(balloons, 1);
    EXPECT_TRUE(balloonText().endsWith(QStringLiteral("can't be negative.")));
}
