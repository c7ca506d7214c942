#include "ui/MaskedEdit.h"

#include "ui/ui/RecordingMessageBoxes.h"

#include <QApplication>
#include <QClipboard>
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

// A field with the focus in a window of its own, as the preparer meets it.
class FocusedField : public ::testing::Test {
protected:
    MaskedEdit* open(const QString& pattern) {
        edit = new MaskedEdit(pattern, &window);
        other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return edit;
    }
    QWidget window;
    MaskedEdit* edit = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(FocusedField, AClickPastTheDigitsLetsTypingStartAtTheFirstEmptyPlace) {
    open(QStringLiteral("###-####-#"));
    edit->setValue(QStringLiteral("084"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
    EXPECT_EQ(edit->cursorPosition(), 4);
    QTest::keyClicks(edit, QStringLiteral("00019"));
    EXPECT_EQ(edit->value(), QStringLiteral("084-0001-9"));
}

TEST_F(FocusedField, TheFocusPutsTheCursorOnTheFirstEmptyPlaceWhateverTheReason) {
    open(QStringLiteral("(###) ###-####"));
    edit->setValue(QStringLiteral("217"));
    for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::OtherFocusReason}) {
        other->setFocus();
        edit->setCursorPosition(edit->text().size());
        edit->setFocus(reason);
        EXPECT_EQ(edit->cursorPosition(), 6) << reason;
    }
}

TEST_F(FocusedField, ADigitTypedAtTheEndLandsInTheFirstEmptyPlaceAndAFullFieldBeeps) {
    open(QStringLiteral("#####"));
    edit->setFocus();
    edit->setValue(QStringLiteral("627"));
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("01"));
    EXPECT_EQ(edit->value(), QStringLiteral("62701"));
    QTest::keyClicks(edit, QStringLiteral("9"));
    EXPECT_EQ(edit->value(), QStringLiteral("62701"));
}

TEST_F(FocusedField, APasteTakesTheDigitsWithOrWithoutSeparators) {
    const std::pair<const char*, const char*> cases[] = {
        {"08400019", "084-0001-9"},       {"084-0001-9", "084-0001-9"},
        {" 084 0001 9 ", "084-0001-9"},   {"0840001", "084-0001-_"},
        {"084-0001-98765", "084-0001-9"},
    };
    open(QStringLiteral("###-####-#"));
    edit->setFocus();
    for (const auto& [pasted, expected] : cases) {
        edit->clear();
        edit->end(false);
        QGuiApplication::clipboard()->setText(QLatin1String(pasted));
        QTest::keySequence(edit, QKeySequence::Paste);
        EXPECT_EQ(edit->displayText(), QLatin1String(expected)) << pasted;
    }
}

TEST_F(FocusedField, APasteOverASelectionReplacesIt) {
    open(QStringLiteral("(###) ###-####"));
    edit->setFocus();
    edit->setValue(QStringLiteral("(999) 555-0100"));
    edit->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("217-555-0199"));
    QTest::keySequence(edit, QKeySequence::Paste);
    EXPECT_EQ(edit->value(), QStringLiteral("(217) 555-0199"));
}
} // namespace
