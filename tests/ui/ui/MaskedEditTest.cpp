#include "ui/MaskedEdit.h"

#include "ui/ui/RecordingMessageBoxes.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
TEST(MaskedEdit, TurnsDigitPositionsIntoQtMaskAndEscapesLiteralMaskLetters) {
    const std::pair<QString, QString> cases[] = {
        {"#####", "99999;_"},
        {"(###) ###-####", "(999) 999-9999;_"},
        {"##/##/####", "99/99/9999;_"},
        {"A-#9", "\\A-9\\9;_"},
    };
    for (const auto& [pattern, mask] : cases)
        EXPECT_EQ(MaskedEdit::inputMaskFor(pattern), mask) << pattern.toStdString();
}

TEST(MaskedEdit, TakesOnlyDigitsAndKeepsTheSeparators) {
    MaskedEdit phone(QStringLiteral("(###) ###-####"));
    phone.show();
    phone.setFocus();
    phone.setCursorPosition(0);
    QTest::keyClicks(&phone, QStringLiteral("3a1x2555-b1.2+34"));
    EXPECT_EQ(phone.value(), QStringLiteral("(312) 555-1234"));
}

TEST(MaskedEdit, AnEmptyFieldHasAnEmptyValueNotItsSeparators) {
    MaskedEdit phone(QStringLiteral("(###) ###-####"));
    EXPECT_EQ(phone.value(), QString());
    MaskedEdit zip(QStringLiteral("#####"));
    QTest::keyClicks(&zip, QStringLiteral("abc"));
    EXPECT_EQ(zip.value(), QString());
}

TEST(MaskedEdit, StoredValuesShowTheSameWithOrWithoutSeparators) {
    MaskedEdit withSeparators(QStringLiteral("(###) ###-####"));
    withSeparators.setValue(QStringLiteral("(217) 555-0199"));
    MaskedEdit digitsOnly(QStringLiteral("(###) ###-####"));
    digitsOnly.setValue(QStringLiteral("2175550199"));
    EXPECT_EQ(withSeparators.value(), QStringLiteral("(217) 555-0199"));
    EXPECT_EQ(digitsOnly.value(), withSeparators.value());
}

class DateMode : public ::testing::Test {
protected:
    DateMode() { edit.setDateRange(QDate(2020, 1, 1), QDate(2025, 12, 31)); }
    RecordingMessageBoxes boxes;
    MaskedEdit edit{QStringLiteral("##/##/####")};
    const QString refusal =
        QStringLiteral("Please specify a date between 01/01/2020 and 12/31/2025.");
};

TEST_F(DateMode, AcceptsDatesInRangeAndAnEmptyField) {
    EXPECT_TRUE(edit.checkDate());
    edit.setText(QStringLiteral("07042024"));
    EXPECT_TRUE(edit.checkDate());
    EXPECT_EQ(edit.date(), QDate(2024, 7, 4));
    edit.setDate(QDate(2020, 1, 1));
    EXPECT_EQ(edit.text(), QStringLiteral("01/01/2020"));
    EXPECT_TRUE(edit.checkDate());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DateMode, RefusesDatesOutsideTheRangeAndImpossibleDates) {
    for (const char* typed : {"01/01/2026", "12/31/2019", "02/30/2021", "13/01/2021", "07/04/20"}) {
        boxes.shown.clear();
        edit.setText(QString::fromLatin1(typed));
        EXPECT_FALSE(edit.checkDate()) << typed;
        EXPECT_EQ(boxes.texts(), QStringList{refusal}) << typed;
    }
}

TEST_F(DateMode, LeavingTheFieldWithABadDateComplainsOnceAndReturnsTheFocus) {
    QWidget window;
    auto* date = new MaskedEdit(QStringLiteral("##/##/####"), &window);
    date->setDateRange(QDate(2020, 1, 1), QDate(2025, 12, 31));
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    date->setFocus();
    date->setText(QStringLiteral("06/01/2030"));
    other->setFocus();
    QTest::qWait(50);
    EXPECT_EQ(boxes.texts(), QStringList{refusal});
    EXPECT_TRUE(date->hasFocus());
}
} // namespace
