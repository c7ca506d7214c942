// The views of a return's figures as a preparer uses them: the explanations beside the
// preview's pages and their printing, the export of the return's data, and the electronic
// filing sheet's copy buttons.
#include "core/report/EveryFormReturn.h"
#include "output/explain/ExplanationBrowser.h"
#include "output/explain/FilingSheetDialog.h"
#include "output/explain/HowComputedDialog.h"
#include "output/explain/ReturnDataCommands.h"
#include "returns/ReturnCalculation.h"
#include "returns/report/PreparedReturn.h"
#include "support/ExternalTool.h"
#include "support/TestFiles.h"
#include "ui/ui/RecordingMessageBoxes.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace {
// Message boxes whose file and printer choosers answer with a file of the test's folder.
class ChoosingMessageBoxes final : public MessageBoxes {
public:
    ChoosingMessageBoxes() { MessageBoxes::install(this); }
    ~ChoosingMessageBoxes() override { MessageBoxes::install(nullptr); }

    void inform(QWidget*, const QString& text, MessageIcon) override { shown << text; }
    bool confirm(QWidget*, const QString& text, MessageIcon, bool) override {
        shown << text;
        return true;
    }
    MessageAnswer ask(QWidget*, const QString& text, MessageIcon) override {
        shown << text;
        return MessageAnswer::Yes;
    }
    QString chooseSaveFile(QWidget*, const QStringList&, const QString&) override {
        return chosenFile;
    }
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        if (chosenFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chosenFile);
        return true;
    }

    QStringList shown;
    QString chosenFile; // empty: cancelled
};

// The worked example of a client who files every form, computed with its steps.
class ExplanationViewsTest : public ::testing::Test {
protected:
    ExplanationViewsTest() : today_(QDate(2005, 3, 15)) {
        auto built = std::make_shared<PreparedReturn>();
        built->record = *everyFormReturn();
        built->st1Status = computeAll(built->record, built->steps);
        prepared = built;
    }

    QString file(const char* name) const { return folder.filePath(QLatin1String(name)); }

    std::shared_ptr<const PreparedReturn> prepared;
    QTemporaryDir folder;
    ChoosingMessageBoxes messages;

private:
    PinnedToday today_;
};

// The text of a PDF file as pdftotext reads it (a line of the page with its columns), on one
// line; none when pdftotext is missing.
std::optional<QString> pdfText(const QString& pdf) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return std::nullopt;
    const ExternalTool::Run text = ExternalTool::run(
        QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_EQ(text.exitCode, 0);
    return QString::fromUtf8(text.output).simplified();
}

// The amount rows of the filing sheet, with their copy buttons.
std::vector<QTreeWidgetItem*> amountRows(QTreeWidget* tree) {
    std::vector<QTreeWidgetItem*> rows;
    for (QTreeWidgetItemIterator item(tree); *item; ++item) {
        if ((*item)->parent())
            rows.push_back(*item);
    }
    return rows;
}
} // namespace

TEST_F(ExplanationViewsTest, EveryCopyButtonPutsItsBareNumberOnTheClipboard) {
    FilingSheetDialog dialog(prepared);
    dialog.show();
    const std::vector<QTreeWidgetItem*> rows = amountRows(dialog.fields());
    ASSERT_GT(rows.size(), 40u);
    const QRegularExpression bareNumber(QStringLiteral("^-?[0-9]+$"));
    int amounts = 0;
    for (QTreeWidgetItem* row : rows) {
        auto* button = qobject_cast<QToolButton*>(dialog.fields()->itemWidget(row, 2));
        ASSERT_NE(button, nullptr) << row->text(0).toStdString();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        button->click();
        EXPECT_EQ(QApplication::clipboard()->text(), row->text(1)) << row->text(0).toStdString();
        amounts += bareNumber.match(row->text(1)).hasMatch() ? 1 : 0;
        if (row->text(0).startsWith(QStringLiteral("Line 4a,"))) {
            EXPECT_EQ(row->text(1), QStringLiteral("6763"));
        }
    }
    EXPECT_GT(amounts, 40);
    EXPECT_TRUE(dialog.copied()->text().startsWith(QStringLiteral("Copied ")));
    // 10,000 a month is 120,000 a year: the notice says so above the lines.
    EXPECT_TRUE(dialog.notice()->isVisible());
    EXPECT_TRUE(dialog.notice()->text().contains(QStringLiteral("electronically")));
}

TEST_F(ExplanationViewsTest, TheKeyboardCopiesTheSelectedAmount) {
    FilingSheetDialog dialog(prepared);
    dialog.show();
    QTreeWidgetItem* line1 = nullptr;
    for (QTreeWidgetItem* row : amountRows(dialog.fields())) {
        if (!line1 && row->text(0).startsWith(QStringLiteral("Line 1,")))
            line1 = row; // ST-1's, the first
    }
    ASSERT_NE(line1, nullptr);
    dialog.fields()->setFocus();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_C, Qt::ControlModifier}, {Qt::Key_Return, Qt::NoModifier}}) {
        QApplication::clipboard()->setText(QStringLiteral("before"));
        dialog.fields()->setCurrentItem(line1);
        QTest::keyClick(dialog.fields(), key, modifiers);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("10000")) << int(key);
    }
}

TEST_F(ExplanationViewsTest, SelectingAFigureShowsItsStepsEndingWithItsAmount) {
    ExplanationBrowser browser(prepared);
    browser.select(Figure::St1Line4a);
    const QString words = browser.words()->toPlainText();
    EXPECT_TRUE(words.startsWith(QStringLiteral("Line 4a, Receipts taxed at the general rate: "
                                                "6,763")))
        << words.toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("rounded to 6,763"))) << words.toStdString();
    // Every form the client files has its lines in the list.
    QStringList forms;
    for (int index = 0; index < browser.lines()->topLevelItemCount(); ++index)
        forms << browser.lines()->topLevelItem(index)->text(0);
    for (const char* form : {"ST-1", "ST-4", "ST-8", "ST-14"})
        EXPECT_TRUE(forms.filter(QLatin1String(form)).size() > 0)
            << form << " in " << forms.join(", ").toStdString();
}

TEST_F(ExplanationViewsTest, PrintedExplanationsArePagesOfTheirOwn) {
    ExplanationBrowser browser(prepared);
    messages.chosenFile = file("explanations.pdf");
    browser.printExplanations();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("\n").toStdString();
    ASSERT_TRUE(QFile::exists(messages.chosenFile));
    const std::optional<QString> read = pdfText(messages.chosenFile);
    if (!read)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(read->contains(QStringLiteral("Line 4a"))) << read->left(400).toStdString();
    EXPECT_TRUE(read->contains(QStringLiteral("rounded to 6,763")))
        << read->left(400).toStdString();
}

// "Save as PDF" writes the explanations with their text as text; a file that cannot be
// written is "Save Failed!".
TEST_F(ExplanationViewsTest, SavedExplanationsAreSearchableText) {
    ExplanationBrowser browser(prepared);
    messages.chosenFile = file("missing/explanations.pdf");
    browser.saveExplanations();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Save Failed!")});

    messages.shown.clear();
    messages.chosenFile = file("explanations.pdf");
    browser.saveExplanations();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("\n").toStdString();
    const std::optional<QString> read = pdfText(messages.chosenFile);
    if (!read)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(read->contains(QStringLiteral("Line 4a, Receipts taxed at the general rate 6,763")))
        << read->left(400).toStdString();
}

// The filing sheet's "Save as PDF" writes one Letter page whose amounts can be searched.
TEST_F(ExplanationViewsTest, FilingSheetSavesAsOneSearchableLetterPage) {
    FilingSheetDialog dialog(prepared);
    messages.chosenFile = file("filing-sheet.pdf");
    const auto buttons = dialog.findChildren<QPushButton*>();
    const auto save = std::ranges::find(buttons, QStringLiteral("Save as P&DF..."),
                                        [](const QPushButton* button) { return button->text(); });
    ASSERT_NE(save, buttons.end());
    (*save)->click();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("\n").toStdString();
    const std::optional<QString> read = pdfText(messages.chosenFile);
    if (!read)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(read->contains(QStringLiteral("Line 4a, Receipts taxed at the general rate 6763")))
        << read->left(600).toStdString();
    const QString info = QString::fromUtf8(
        ExternalTool::run(QStringLiteral("pdfinfo"), {messages.chosenFile}).output);
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts (letter)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))))
        << info.toStdString();
}

TEST_F(ExplanationViewsTest, ExportWritesTheJsonAndTheCsvOrNothingWhenCancelled) {
    QDialog window;
    ReturnDataCommands commands(prepared, &window);
    commands.exportData();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());

    messages.chosenFile = file("acme-feb-2005.json");
    commands.exportData();
    const QJsonObject document =
        QJsonDocument::fromJson(TestFiles::readAll(file("acme-feb-2005.json"))).object();
    EXPECT_EQ(document[QStringLiteral("format")].toString(),
              QStringLiteral("vantrobe-return-data"));
    const QByteArray csv = TestFiles::readAll(file("acme-feb-2005.csv"));
    EXPECT_TRUE(csv.contains("ST-1,,4a,Receipts taxed at the general rate,6763\r\n"))
        << csv.left(300).toStdString();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("acme-feb-2005.csv")));

    // A folder that cannot be written: the preparer is told, nothing is half written.
    messages.chosenFile = file("missing/acme.json");
    commands.exportData();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(
        messages.shown[1].startsWith(QStringLiteral("The return's data could not be saved.")));
}

TEST_F(ExplanationViewsTest, HowComputedShowsTheExplanationsBesideThePagesOnlyForAComputedReturn) {
    for (const bool computed : {true, false}) {
        QDialog window;
        auto* bar = new QHBoxLayout;
        auto* pages = new QWidget;
        ReturnDataCommands commands(computed ? prepared : nullptr, &window);
        commands.addButtons(bar);
        QWidget* shown = commands.besidePages(pages);
        if (!computed) {
            EXPECT_EQ(bar->count(), 0);
            EXPECT_EQ(shown, pages);
            delete pages;
            delete bar;
            continue;
        }
        EXPECT_EQ(bar->count(), 3);
        EXPECT_NE(shown, pages);
        commands.howComputedButton()->click();
        ASSERT_NE(commands.explanations(), nullptr);
        EXPECT_TRUE(commands.explanations()->isVisibleTo(&window));
        commands.howComputedButton()->click();
        EXPECT_FALSE(commands.explanations()->isVisibleTo(&window));
        delete shown;
        delete bar;
    }
}

TEST_F(ExplanationViewsTest, HowComputedOpensWithTheArrowKeysOnTheLines) {
    HowComputedDialog dialog(prepared);
    dialog.browser()->select(Figure::St1Line25);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_EQ(QApplication::focusWidget(), dialog.browser()->lines());
    QTest::keyClick(dialog.browser()->lines(), Qt::Key_Up);
    EXPECT_TRUE(dialog.browser()->words()->toPlainText().startsWith(
        QStringLiteral("Line 24, Credit memorandum")))
        << dialog.browser()->words()->toPlainText().toStdString();
}
