#include "letters/LetterEditorDialog.h"

#include "LetterEditorTestSupport.h"
#include "letters/LetterFormatToolbar.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <gtest/gtest.h>
#include <memory>

namespace {
class LetterEditor : public ::testing::Test {
protected:
    void SetUp() override {
        letterPath_ = folder_.filePath(QStringLiteral("Vtb00001.tlt"));
        QFile::copy(QStringLiteral(":/letters/DefaultLetter.rtf"), letterPath_);
        QFile::setPermissions(letterPath_, QFile::ReadOwner | QFile::WriteOwner);
        original_ = TestFiles::readAll(letterPath_);
    }

    LetterEditorDialog& open(LetterEditorMode mode, const QString& path) {
        dialog_ = std::make_unique<LetterEditorDialog>(mode, path);
        dialog_->show();
        QApplication::processEvents(); // the letter loads on the first idle moment
        return *dialog_;
    }
    LetterEditorDialog& open(LetterEditorMode mode = LetterEditorMode::ClientLetter) {
        return open(mode, letterPath_);
    }

    QTextEdit* letter() const { return dialog_->letter(); }
    QAction* button(LetterIcon icon) const { return dialog_->formatToolbar()->action(icon); }

    // Selects the first occurrence of `text` in the letter.
    void select(const QString& text) {
        const QTextCursor found = letter()->document()->find(text);
        ASSERT_FALSE(found.isNull()) << text.toStdString();
        letter()->setTextCursor(found);
    }
    QTextCharFormat formatOf(const QString& text) const {
        QTextCursor cursor = letter()->document()->find(text);
        cursor.setPosition(cursor.selectionStart() + 1);
        return cursor.charFormat();
    }

    ScriptedPrompts prompts_;
    QTemporaryDir folder_;
    QString letterPath_;
    QByteArray original_;
    std::unique_ptr<LetterEditorDialog> dialog_;
};
} // namespace

TEST_F(LetterEditor, ModesSetTitleButtonsAndHelp) {
    const struct {
        LetterEditorMode mode;
        const char* title;
        const char* save;
        const char* help;
    } cases[] = {
        {LetterEditorMode::DefaultLetter, "Transmittal Letter Setup", "&Save", "new client"},
        {LetterEditorMode::ClientLetter, "Transmittal Letter Setup", "&Save", "this client only"},
        {LetterEditorMode::Print, "Print Transmittal Letter", "Save &As", "printout only"},
    };
    for (const auto& c : cases) {
        LetterEditorDialog& dialog = open(c.mode);
        EXPECT_EQ(dialog.windowTitle(), QLatin1String(c.title));
        EXPECT_EQ(dialog.saveButton()->text(), QLatin1String(c.save));
        EXPECT_EQ(dialog.printButton()->text(), QStringLiteral("&Print"));
        EXPECT_EQ(dialog.closeButton()->text(), QStringLiteral("&Close"));
        EXPECT_TRUE(dialog.helpPane()->isReadOnly());
        EXPECT_TRUE(dialog.helpPane()->toPlainText().contains(QLatin1String(c.help)))
            << dialog.helpPane()->toPlainText().toStdString();
        EXPECT_EQ(dialog.helpPane()->palette().color(QPalette::Base), QColor(0xF5, 0xFF, 0xFF));
        EXPECT_FALSE(dialog.helpPane()->document()->isModified());
    }
    EXPECT_TRUE(dialog_->helpPane()->toPlainText().isEmpty() == false);
}

TEST_F(LetterEditor, LoadsTheLetterOnTheFirstIdleMoment) {
    dialog_ = std::make_unique<LetterEditorDialog>(LetterEditorMode::ClientLetter, letterPath_);
    dialog_->show();
    EXPECT_TRUE(letter()->toPlainText().isEmpty());
    QApplication::processEvents();
    EXPECT_TRUE(letter()->toPlainText().contains(QStringLiteral("Dear Sir or Madam:")));
    EXPECT_FALSE(letter()->document()->isModified());
    EXPECT_FALSE(letter()->document()->isUndoAvailable());
    EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(LetterEditor, MissingLetterShowsTheOpeningErrorAndAnEmptyLetter) {
    open(LetterEditorMode::DefaultLetter, folder_.filePath(QStringLiteral("gone.rtf")));
    ASSERT_EQ(prompts_.messages.size(), 1);
    EXPECT_EQ(prompts_.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(prompts_.messages[0].text.startsWith(
        QStringLiteral("An error occurred while opening the customer letter file:\n")));
    EXPECT_GT(prompts_.messages[0].text.size(), 60) << "with the system's description";
    EXPECT_TRUE(letter()->toPlainText().isEmpty());
}

TEST_F(LetterEditor, ClosingAnUnchangedLetterAsksNothing) {
    open();
    dialog_->closeButton()->click();
    EXPECT_TRUE(prompts_.messages.isEmpty());
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
}

TEST_F(LetterEditor, ClosingAChangedLetterAsksAndCancelKeepsItOpen) {
    open();
    QTest::keyClicks(letter(), QStringLiteral("x"));
    ASSERT_TRUE(letter()->document()->isModified());
    prompts_.answers = {MessageAnswer::Cancel};
    dialog_->closeButton()->click();
    ASSERT_EQ(prompts_.messages.size(), 1);
    const ShownMessage& question = prompts_.messages[0];
    EXPECT_EQ(question.text,
              QStringLiteral(" Do you want to save the changes made to this letter?"));
    EXPECT_EQ(question.title, QStringLiteral("Vantrobe"));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(letter()->toPlainText().startsWith(u'x'));
    EXPECT_EQ(TestFiles::readAll(letterPath_), original_);
}

TEST_F(LetterEditor, ClosingWithNoDiscardsAndWithYesSaves) {
    open();
    QTest::keyClicks(letter(), QStringLiteral("x"));
    prompts_.answers = {MessageAnswer::No};
    dialog_->reject(); // the title bar's close and Escape end here too
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(TestFiles::readAll(letterPath_), original_);

    open();
    QTest::keyClicks(letter(), QStringLiteral("Hello "));
    prompts_.answers = {MessageAnswer::Yes};
    dialog_->closeButton()->click();
    EXPECT_FALSE(dialog_->isVisible());
    const QByteArray saved = TestFiles::readAll(letterPath_);
    EXPECT_TRUE(saved.startsWith("{\\rtf1"));
    EXPECT_TRUE(saved.contains("Hello "));
    EXPECT_TRUE(saved.contains("<PREPARER_ADDRESS_CITY_STATE_ZIP>"));
}

TEST_F(LetterEditor, SaveAsksFirstAndWritesRtf) {
    open();
    QTest::keyClicks(letter(), QStringLiteral("Z"));
    prompts_.answers = {MessageAnswer::No};
    dialog_->saveButton()->click();
    ASSERT_EQ(prompts_.messages.size(), 1);
    EXPECT_EQ(prompts_.messages[0].text,
              QStringLiteral("Are you sure you want to update this letter?"));
    EXPECT_EQ(prompts_.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompts_.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(TestFiles::readAll(letterPath_), original_);

    prompts_.answers = {MessageAnswer::Yes};
    dialog_->saveButton()->click();
    EXPECT_TRUE(TestFiles::readAll(letterPath_).contains("Z"));
    EXPECT_FALSE(letter()->document()->isModified());
    dialog_->closeButton()->click();
    EXPECT_EQ(prompts_.messages.size(), 2) << "a saved letter closes without a question";
}

TEST_F(LetterEditor, AFailedSaveReportsAndKeepsTheChanges) {
    const QString unwritable = folder_.filePath(QStringLiteral("missing/letter.tlt"));
    QDir().mkpath(folder_.filePath(QStringLiteral("missing")));
    QFile::copy(letterPath_, unwritable);
    open(LetterEditorMode::ClientLetter, unwritable);
    QDir(folder_.filePath(QStringLiteral("missing"))).removeRecursively();
    QTest::keyClicks(letter(), QStringLiteral("x"));
    prompts_.answers = {MessageAnswer::Yes};
    dialog_->closeButton()->click();
    ASSERT_EQ(prompts_.messages.size(), 2);
    EXPECT_TRUE(prompts_.messages[1].text.startsWith(
        QStringLiteral("An error occurred while opening the file:\n")));
    EXPECT_TRUE(dialog_->isVisible()) << "nothing is lost when the save fails";
    EXPECT_TRUE(letter()->document()->isModified());
}

TEST_F(LetterEditor, PrintModeClosesWithoutAskingAndSavesAs) {
    open(LetterEditorMode::Print);
    QTest::keyClicks(letter(), QStringLiteral("P.S. "));
    prompts_.saveFileName = folder_.filePath(QStringLiteral("copy.doc"));
    dialog_->saveButton()->click();
    const QByteArray copy = TestFiles::readAll(prompts_.saveFileName);
    EXPECT_TRUE(copy.startsWith("{\\rtf1"));
    EXPECT_TRUE(copy.contains("P.S. "));
    EXPECT_EQ(TestFiles::readAll(letterPath_), original_) << "the generated letter is not touched";

    QTest::keyClicks(letter(), QStringLiteral("more"));
    dialog_->closeButton()->click();
    EXPECT_TRUE(prompts_.messages.isEmpty());
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(LetterEditor, TabAlwaysGoesIntoTheLetter) {
    open();
    letter()->moveCursor(QTextCursor::Start);
    for (QWidget* focus :
         {static_cast<QWidget*>(dialog_->printButton()), static_cast<QWidget*>(dialog_->helpPane()),
          static_cast<QWidget*>(dialog_->formatToolbar()->fontSizeBox()),
          static_cast<QWidget*>(letter())})
        QTest::keyClick(focus, Qt::Key_Tab);
    EXPECT_TRUE(letter()->document()->firstBlock().text().startsWith(QStringLiteral("\t\t\t\t")));

    select(QStringLiteral("Dear"));
    QTest::keyClick(dialog_->closeButton(), Qt::Key_Tab);
    EXPECT_TRUE(letter()->toPlainText().contains(QStringLiteral("\t Sir or Madam:")))
        << "the tab replaces the selection";
}

TEST_F(LetterEditor, ItalicSetsAndRemovesOnAlternatePresses) {
    open();
    select(QStringLiteral("Dear Sir"));
    QTextCharFormat italic;
    italic.setFontItalic(true);
    letter()->mergeCurrentCharFormat(italic);
    button(LetterIcon::Italic)->trigger();
    EXPECT_TRUE(formatOf(QStringLiteral("Dear Sir")).fontItalic()) << "the first press sets";
    button(LetterIcon::Italic)->trigger();
    EXPECT_FALSE(formatOf(QStringLiteral("Dear Sir")).fontItalic()) << "the second removes";

    select(QStringLiteral("Sincerely"));
    button(LetterIcon::Underline)->trigger();
    EXPECT_TRUE(formatOf(QStringLiteral("Sincerely")).fontUnderline());
    EXPECT_TRUE(button(LetterIcon::Underline)->isChecked());
}

TEST_F(LetterEditor, BoldInvertsAUniformSelectionAndMakesAMixedOneBold) {
    open();
    select(QStringLiteral("Dear Sir"));
    button(LetterIcon::Bold)->trigger();
    EXPECT_EQ(formatOf(QStringLiteral("Dear Sir")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(button(LetterIcon::Bold)->isChecked());
    button(LetterIcon::Bold)->trigger();
    EXPECT_EQ(formatOf(QStringLiteral("Dear Sir")).fontWeight(), QFont::Normal);

    select(QStringLiteral("Sir"));
    button(LetterIcon::Bold)->trigger();
    select(QStringLiteral("Dear Sir or"));
    EXPECT_FALSE(button(LetterIcon::Bold)->isChecked()) << "mixed shows unpressed";
    button(LetterIcon::Bold)->trigger();
    EXPECT_EQ(formatOf(QStringLiteral("Dear")).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(QStringLiteral("Sir")).fontWeight(), QFont::Bold);
}

TEST_F(LetterEditor, FontSizeBoxIgnoresZeroAndLetters) {
    open();
    QComboBox* size = dialog_->formatToolbar()->fontSizeBox();
    select(QStringLiteral("Dear Sir"));
    EXPECT_EQ(size->currentText(), QStringLiteral("10"));
    EXPECT_EQ(size->lineEdit()->maxLength(), 4);
    for (const char* typed : {"0", "ab", "-3"}) {
        size->setEditText(QLatin1String(typed));
        QTest::keyClick(size->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(formatOf(QStringLiteral("Dear Sir")).fontPointSize(), 10) << typed;
    }
    select(QStringLiteral("Dear Sir"));
    size->setEditText(QStringLiteral("14"));
    QTest::keyClick(size->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(formatOf(QStringLiteral("Dear Sir")).fontPointSize(), 14);
    EXPECT_EQ(size->count(), 16) << "a typed size is not added to the list";
}

TEST_F(LetterEditor, FontNameBoxShowsAUniformFaceAndSetsIt) {
    open();
    QComboBox* name = dialog_->formatToolbar()->fontNameBox();
    const int arial = name->findText(QStringLiteral("Liberation Sans"));
    ASSERT_GE(arial, 0);
    select(QStringLiteral("Dear Sir"));
    name->setCurrentIndex(arial);
    emit name->textActivated(name->currentText());
    EXPECT_EQ(formatOf(QStringLiteral("Dear Sir")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("Liberation Sans")});
    select(QStringLiteral("Sir or Madam"));
    EXPECT_EQ(name->currentIndex(), -1) << "a mixed selection shows no face";
    EXPECT_TRUE(name->placeholderText().isEmpty());
    select(QStringLiteral("Madam"));
    EXPECT_EQ(name->placeholderText(), QStringLiteral("Times New Roman"))
        << "a face that is not installed is still named";
}

TEST_F(LetterEditor, ColourChooserAppliesOnOkAndChangesNothingOnCancel) {
    open();
    select(QStringLiteral("Dear"));
    prompts_.colour = QColor(Qt::red);
    button(LetterIcon::Colour)->trigger();
    EXPECT_EQ(formatOf(QStringLiteral("Dear")).foreground().color(), QColor(Qt::red));

    select(QStringLiteral("Dear Sir"));
    prompts_.colour.reset();
    button(LetterIcon::Colour)->trigger();
    EXPECT_EQ(formatOf(QStringLiteral("Dear")).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(formatOf(QStringLiteral("Sir")).foreground().style(), Qt::NoBrush);
}

TEST_F(LetterEditor, AlignmentAndBullets) {
    open();
    select(QStringLiteral("Dear Sir"));
    button(LetterIcon::AlignRight)->trigger();
    EXPECT_EQ(letter()->textCursor().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_TRUE(button(LetterIcon::AlignRight)->isChecked());
    EXPECT_FALSE(button(LetterIcon::AlignLeft)->isChecked());
    button(LetterIcon::AlignCentre)->trigger();
    EXPECT_TRUE(button(LetterIcon::AlignCentre)->isChecked());

    button(LetterIcon::Bullets)->trigger();
    EXPECT_NE(letter()->textCursor().currentList(), nullptr);
    EXPECT_TRUE(button(LetterIcon::Bullets)->isChecked());
    button(LetterIcon::Bullets)->trigger();
    EXPECT_EQ(letter()->textCursor().currentList(), nullptr);
    EXPECT_EQ(letter()->textCursor().blockFormat().indent(), 0);
}

TEST_F(LetterEditor, ButtonsFollowSelectionUndoAndClipboard) {
    open();
    letter()->moveCursor(QTextCursor::Start);
    for (LetterIcon icon :
         {LetterIcon::Cut, LetterIcon::Copy, LetterIcon::Delete, LetterIcon::Undo})
        EXPECT_FALSE(button(icon)->isEnabled());
    select(QStringLiteral("Dear Sir"));
    for (LetterIcon icon : {LetterIcon::Cut, LetterIcon::Copy, LetterIcon::Delete})
        EXPECT_TRUE(button(icon)->isEnabled());
    button(LetterIcon::Delete)->trigger();
    EXPECT_FALSE(letter()->toPlainText().contains(QStringLiteral("Dear Sir")));
    EXPECT_TRUE(button(LetterIcon::Undo)->isEnabled());
    button(LetterIcon::Undo)->trigger();
    EXPECT_TRUE(letter()->toPlainText().contains(QStringLiteral("Dear Sir")));

    select(QStringLiteral("Sincerely"));
    button(LetterIcon::Copy)->trigger();
    EXPECT_TRUE(button(LetterIcon::Paste)->isEnabled());
}

TEST_F(LetterEditor, ContextMenusOfferCutCopyPaste) {
    open();
    select(QStringLiteral("Dear"));
    std::unique_ptr<QMenu> menu(LetterEditorDialog::createEditMenu(letter()));
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->text());
    EXPECT_EQ(texts, (QStringList{"Cut", "Copy", "Paste"}));
    EXPECT_TRUE(menu->actions()[0]->isEnabled());

    QTextCursor helpSelection(dialog_->helpPane()->document());
    helpSelection.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
    dialog_->helpPane()->setTextCursor(helpSelection);
    std::unique_ptr<QMenu> helpMenu(LetterEditorDialog::createEditMenu(dialog_->helpPane()));
    EXPECT_FALSE(helpMenu->actions()[0]->isEnabled());
    EXPECT_TRUE(helpMenu->actions()[1]->isEnabled());
    EXPECT_FALSE(helpMenu->actions()[2]->isEnabled());
}

TEST_F(LetterEditor, TooltipsAreTheShortPromptTexts) {
    open();
    EXPECT_EQ(button(LetterIcon::Bold)->toolTip(), QStringLiteral("Bold"));
    EXPECT_EQ(button(LetterIcon::AlignCentre)->toolTip(), QStringLiteral("Center the paragraph"));
    EXPECT_EQ(button(LetterIcon::Bullets)->toolTip(), QStringLiteral("Insert bullet"));
    EXPECT_EQ(button(LetterIcon::Delete)->toolTip(), QStringLiteral("Delete"));
    EXPECT_EQ(button(LetterIcon::Colour)->statusTip(), QStringLiteral("Select a colour"));
    EXPECT_EQ(dialog_->formatToolbar()->fontSizeBox()->toolTip(), QStringLiteral("Font Size"));
}

TEST_F(LetterEditor, PrintGoesThroughThePrinterChooser) {
    open(LetterEditorMode::Print);
    dialog_->printButton()->click(); // cancelled: nothing happens
    EXPECT_TRUE(prompts_.messages.isEmpty());

    const QString pdf = folder_.filePath(QStringLiteral("printed.pdf"));
    QString documentName;
    prompts_.printerChosen = [&](QPrinter& printer) {
        documentName = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    dialog_->printButton()->click();
    EXPECT_EQ(documentName, QStringLiteral("MyRtf"));
    EXPECT_TRUE(TestFiles::readAll(pdf).startsWith("%PDF"));
    EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(LetterEditor, LooksRight) {
    open(LetterEditorMode::DefaultLetter);
    dialog_->resize(760, 600);
    QApplication::processEvents();
    const QImage picture = dialog_->grab().toImage();
    EXPECT_GE(picture.width(), 700);
    const QString folder = qEnvironmentVariable("VANTROBE_GRAB_DIR");
    if (!folder.isEmpty())
        picture.save(folder + QStringLiteral("/letter-editor.png"));
}

TEST_F(LetterEditor, KeyboardShortcutsFormatTheSelection) {
    open();
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    select(QStringLiteral("Dear Sir"));
    QTest::keyClick(letter(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(formatOf(QStringLiteral("Dear Sir")).fontWeight(), QFont::Bold);
    QTest::keyClick(letter(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_TRUE(formatOf(QStringLiteral("Dear Sir")).fontUnderline());
}

TEST_F(LetterEditor, AltSAndCtrlSSaveInsteadOfTypingIntoTheLetter) {
    open();
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    letter()->setFocus();
    const QString before = letter()->toPlainText();
    for (const QKeyCombination key : {Qt::ALT | Qt::Key_S, Qt::CTRL | Qt::Key_S}) {
        prompts_.messages.clear();
        prompts_.answers = {MessageAnswer::No};
        QTest::keyClick(letter(), key.key(), key.keyboardModifiers());
        // An access key presses its button the way a click does, after a short animation.
        for (int wait = 0; wait < 50 && prompts_.messages.isEmpty(); ++wait)
            QTest::qWait(10);
        ASSERT_EQ(prompts_.messages.size(), 1) << key.toCombined();
        EXPECT_EQ(prompts_.messages[0].text,
                  QStringLiteral("Are you sure you want to update this letter?"));
        EXPECT_EQ(letter()->toPlainText(), before);
    }
}
