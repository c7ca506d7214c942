// Every dialog the program opens, at two font sizes: no two of its buttons or field labels
// share an access key, every button has one, and no label or button text is cut. A wizard
// keeps the size it opened with on every step, whole on its screen.
#include "app/AboutDialog.h"
#include "app/GlobalDoc.h"
#include "app/MainFrame.h"
#include "app/OptionsDialog.h"
#include "app/PreparerInfoDialog.h"
#include "clients/backup/BackupDialog.h"
#include "forms/filling/FormSet.h"
#include "forms/preview/ReturnGeneration.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "letters/LetterEditorDialog.h"
#include "output/ReturnPreviewWindow.h"
#include "output/history/ReturnHistoryDialog.h"
#include "returns/ReturnRecord.h"
#include "returns/report/PreparedReturn.h"
#include "settings/MailSettings.h"
#include "settings/OptionsSettings.h"
#include "settings/PreparerInfoSettings.h"
#include "support/LoadedForms.h"
#include "taxtables/TaxTablesDialog.h"
#include "ui/CalendarDialog.h"
#include "ui/ui/ScreenChecks.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/CWizardPage.h"
#include "ui/wizards/client/ClientWizardFixture.h"
#include "wizards/multisite/CombinedSummaryStep.h"
#include "wizards/multisite/MultiSiteWizard.h"
#include "wizards/multisite/PrepareLocationsStep.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/ReturnWizard.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace {
constexpr int kFontSizes[] = {9, 13};

class DialogSweepTest : public ClientWizardFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        ClientWizardFixture::SetUp();
        normalFont_ = QApplication::font();
        QFont font = normalFont_;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
    }
    void TearDown() override {
        QApplication::setFont(normalFont_);
        ClientWizardFixture::TearDown();
    }

    static void expectReadable(QWidget* window, const QString& what) {
        QApplication::processEvents();
        saveScreenshot(window, what);
        const QStringList keys = ScreenChecks::accessKeyProblems(window);
        EXPECT_TRUE(keys.isEmpty()) << what.toStdString() << ": " << keys.join("; ").toStdString();
        const QStringList cut = ScreenChecks::cutTexts(window);
        EXPECT_TRUE(cut.isEmpty()) << what.toStdString() << ": " << cut.join("; ").toStdString();
    }
    static void expectReadable(QDialog& dialog) {
        dialog.show();
        expectReadable(&dialog, dialog.windowTitle());
    }
    // The same size on every step, so the buttons never move, the window whole on its screen,
    // and room enough across that no step scrolls sideways (a tall step may scroll down).
    static void expectSizeKept(const QWidget* window, QSize opened, const QString& what) {
        EXPECT_EQ(window->size(), opened) << what.toStdString();
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
            << what.toStdString();
        for (const QScrollArea* area : window->findChildren<QScrollArea*>()) {
            if (qobject_cast<CWizardPage*>(area->widget()) && area->isVisible()) {
                EXPECT_FALSE(area->horizontalScrollBar()->isVisible())
                    << what.toStdString() << " scrolls sideways";
            }
        }
    }
    // The client wizard, new or on `client`, and the size it opens with.
    void openWizard(const ClientInfo* client = nullptr) {
        open(client);
        openedAt_ = wizard->size();
    }
    // The client wizard's current step, with its question answered YES and then NO, so that
    // what a YES shows is seen as well.
    void expectStepReadable() {
        const QString title = wizard->windowTitle() + " step " + QString::number(activeKey());
        auto* question = dynamic_cast<YesNoStep*>(wizard->activePage());
        if (question)
            question->yesButton()->click();
        expectReadable(wizard.get(), title);
        expectSizeKept(wizard.get(), openedAt_, title);
        if (question)
            question->noButton()->click();
    }
    // From the tax number step (its number typed) to the last, every step of the client wizard.
    void expectEveryStepReadableFromTaxNumbers() {
        typeInto(step<TaxNumberStep>(StepKeys::kTaxNumbers)->ibtEdit(), "12345678");
        while (activeKey() != StepKeys::kFinish) {
            expectStepReadable();
            const int before = activeKey();
            next();
            ASSERT_NE(activeKey(), before) << messages.shown.join("|").toStdString();
        }
        expectStepReadable();
    }

    QSize openedAt_;

private:
    // With VANTROBE_SCREENSHOT_DIR set, every screen checked is also saved there as a PNG, to
    // look at.
    static void saveScreenshot(QWidget* window, const QString& what) {
        const QString folder = qEnvironmentVariable("VANTROBE_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        QString name = QStringLiteral("%1pt %2").arg(QApplication::font().pointSize()).arg(what);
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    QFont normalFont_;
};

TEST_P(DialogSweepTest, TheSettingsDialogs) {
    OptionsSettings options(ProgramFolder::path());
    MailSettings mail;
    OptionsDialog optionsDialog(options, mail);
    expectReadable(optionsDialog);
    PreparerInfoSettings info;
    PreparerInfoDialog infoDialog(info);
    expectReadable(infoDialog);
}

TEST_P(DialogSweepTest, TheSmallDialogsOfTheMenus) {
    AboutDialog about;
    expectReadable(about);
    CalendarDialog calendar;
    expectReadable(calendar);
    TaxTablesDialog tables(table);
    expectReadable(tables);
    BackupDialog backup({"Corner Store"}, BackupDialog::defaultTargetPath(folder));
    expectReadable(backup);
    LocationDialog location(table);
    expectReadable(location);
}

TEST_P(DialogSweepTest, TheLetterEditorInEachMode) {
    const QString letter = ProgramFolder::path() + "DefaultLetter.rtf";
    for (const LetterEditorMode mode : {LetterEditorMode::DefaultLetter,
                                        LetterEditorMode::ClientLetter, LetterEditorMode::Print}) {
        LetterEditorDialog editor(mode, letter);
        expectReadable(editor);
    }
}

TEST_P(DialogSweepTest, EveryStepOfASingleSiteClient) {
    openWizard();
    expectStepReadable();
    next();
    answer(StepKeys::kSiteKind, false);
    expectStepReadable();
    next();
    typeSite(businessFields(), named("Corner Store"));
    expectStepReadable();
    next();
    expectEveryStepReadableFromTaxNumbers();

    // "Modify Client" opens at the size "New Client" had on its last step.
    const QSize newClient = wizard->size();
    ClientInfo client;
    initClientRecord(client.record);
    FixedText::set(client.record.businessName, "Corner Store");
    listClient(client, "Vtb00002.kvr");
    wizard.reset();
    openListed(0);
    EXPECT_EQ(wizard->windowTitle(), "Modify Client");
    EXPECT_EQ(wizard->size(), newClient);
}

TEST_P(DialogSweepTest, EveryStepOfAMultiSiteClient) {
    openWizard();
    next();
    answer(StepKeys::kSiteKind, true);
    next();
    addLocation(named("North Side"));
    expectStepReadable();
    addLocation(named("South Side"));
    next();
    expectEveryStepReadableFromTaxNumbers();
}

// A client that files every return and has every deduction group: the return wizard shows
// all of its steps.
TEST_P(DialogSweepTest, EveryStepOfAReturn) {
    for (const bool locationMode : {false, true}) {
        ClientInfo client;
        initClientRecord(client.record);
        client.record.deductionGroup1 = client.record.deductionGroup2 = 1;
        client.record.deductionGroup3 = client.record.motorFuel.sellsMotorFuel = 1;
        client.record.filesST14 = client.record.filesST4 = client.record.filesST8 = 1;
        ReturnWizardSettings settings;
        settings.allowBlankForms = true;
        auto record = std::make_unique<ReturnRecord>();
        resetReturnAndForms(*record, loadedForms(), settings.fill);
        ReturnWizard returnWizard(
            ReturnWizardState{*record, loadedForms(), settings, client, locationMode, false, {}});
        returnWizard.show();
        const QSize opened = returnWizard.size();
        for (int presses = 0; presses < 25; ++presses) {
            const int key = returnWizard.activePage()->key();
            const QString title = returnWizard.windowTitle() + " step " + QString::number(key);
            expectReadable(&returnWizard, title);
            expectSizeKept(&returnWizard, opened, title);
            if (key == PageKeys::kSummary)
                break;
            returnWizard.nextButton()->click();
        }
        EXPECT_EQ(returnWizard.activePage()->key(), PageKeys::kSummary);
    }
}

// A multi-site client's return: the welcome, period, locations and summary steps, the summary
// after both locations were prepared.
TEST_P(DialogSweepTest, EveryStepOfAMultiSiteReturn) {
    ClientInfo client;
    initClientRecord(client.record);
    client.record.multiSite = 1;
    client.record.locationCount = 2;
    FixedText::set(client.record.ibtNumber, "1234-5678");
    for (int row = 0; row < 2; ++row) {
        ClientLocation& location = client.record.locations[row];
        FixedText::set(location.name, row == 0 ? "North Side" : "South Side");
        FixedText::set(location.address1, "1 Elm St");
        FixedText::set(location.city, "Springfield");
        FixedText::set(location.locationCode, "076-5000-9");
        location.taxRecord.parse("076-5000-9SPRINGFIELD              SANGAMON                 "
                                 "200501010875002250 0625001000 00000                 0850002000 "
                                 "0625001000 00000 ");
    }
    ASSERT_EQ(loadFormImages(forms()), 0);
    ReturnWizardSettings settings;
    resetReturnAndForms(currentReturn(), forms(), settings.fill);
    std::vector<int> seen;
    whenModalOpens<CWizardDialog>([&](CWizardDialog* dialog) {
        const QSize opened = dialog->size();
        for (int presses = 0; presses < 5; ++presses) {
            const int key = dialog->activePage()->key();
            seen.push_back(key);
            const QString title = dialog->windowTitle() + " step " + QString::number(key);
            expectReadable(dialog, title);
            expectSizeKept(dialog, opened, title);
            if (key == CombinedSummaryStep::kKey)
                break;
            if (key == PrepareLocationsStep::kKey) {
                auto* locations = static_cast<PrepareLocationsStep*>(dialog->activePage());
                for (int row = 0; row < 2; ++row) {
                    locations->list()->setCurrentItem(locations->list()->topLevelItem(row));
                    locations->prepareButton()->click();
                }
            }
            dialog->next();
        }
        dialog->reject();
    });
    runMultiSiteWizard(nullptr, client, settings, [](QWidget*, const ClientRecord&, QJsonObject&) {
        currentReturn().st1.totalReceipts = 1000;
        return int(CWizardDialog::kFinished);
    });
    EXPECT_EQ(seen.back(), CombinedSummaryStep::kKey);
}

// The main window on each of its tabs: the client list buttons and the board's filter, whose
// access keys keep clear of the menus and the tabs.
TEST_P(DialogSweepTest, TheMainWindow) {
    CGlobalDoc document;
    ASSERT_EQ(document.loadSharedData(TestPaths::source("resources/Data.tbl")),
              CGlobalDoc::LoadResult::Loaded);
    CMainFrame frame(document);
    document.setOptions(&frame.options());
    frame.resize(1000, 600);
    frame.show();
    auto* views = frame.findChild<QTabWidget*>(QStringLiteral("mainViews"));
    ASSERT_TRUE(views);
    for (int tab = 0; tab < views->count(); ++tab) {
        views->setCurrentIndex(tab);
        expectReadable(&frame, frame.windowTitle() + " " + views->tabText(tab));
    }
}

TEST_P(DialogSweepTest, TheReturnHistory) {
    ClientInfo client;
    client.path = folder + "Vtb00001.kvr";
    FixedText::set(client.record.businessName, "Corner Store");
    HistoryDatabase database;
    database.open(historyFilePath(client.path));
    database.createSchema();
    CReturnHistoryDialog history(database, client);
    expectReadable(history);
}

// The preview as New Return opens it, maximised with the return's data commands: its commands
// wrap where one row would not fit, so it stays whole on the screen.
TEST_P(DialogSweepTest, ThePreviewWindow) {
    auto record = std::make_unique<ReturnRecord>();
    resetReturnAndForms(*record, loadedForms(), {});
    record->st1.totalReceipts = 1000;
    PreviewContext context;
    context.pages = generateSingleSiteReturn(loadedForms(), *record, {}, false).pages;
    auto prepared = std::make_shared<PreparedReturn>();
    prepared->record = *record;
    context.prepared = prepared;
    ReturnPreviewWindow preview(context);
    preview.setWindowState(Qt::WindowMaximized);
    expectReadable(preview);
    EXPECT_TRUE(preview.screen()->availableGeometry().contains(preview.frameGeometry()))
        << preview.frameGeometry().width() << " wide";
}

INSTANTIATE_TEST_SUITE_P(FontSizes, DialogSweepTest, ::testing::ValuesIn(kFontSizes),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Points" + std::to_string(info.param);
                         });
} // namespace
