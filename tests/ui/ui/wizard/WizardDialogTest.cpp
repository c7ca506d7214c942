#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/CWizardPage.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <map>

namespace {
// A step that logs every operation the wizard runs on it and answers from its settings.
class LoggingPage : public CWizardPage {
public:
    LoggingPage(int key, QStringList& log) : CWizardPage(key), log_(log) {}

    bool pageCreated() override { return note("created", createdResult); }
    void pageDestroying() override { note("destroying", true); }
    bool pageLeaving() override { return note("leaving", leavingResult); }
    void pageShown() override { note("shown", true); }
    bool queryCancel() override { return note("cancel", cancelResult); }
    int backPressed() override {
        note("back", true);
        return backResult;
    }
    int nextPressed() override {
        note("next", true);
        return nextResult;
    }
    bool finishPressed() override { return note("finish", finishResult); }

    bool createdResult = true;
    bool leavingResult = true;
    bool cancelResult = true;
    bool finishResult = true;
    int backResult = kMoveOn;
    int nextResult = kMoveOn;

private:
    bool note(const char* what, bool result) {
        log_.append(QStringLiteral("%1 %2").arg(key()).arg(QLatin1String(what)));
        return result;
    }
    QStringList& log_;
};

class WizardDialogTest : public ::testing::Test {
protected:
    void build(int count) {
        wizard = std::make_unique<CWizardDialog>();
        for (int key = 1; key <= count; ++key) {
            auto page = std::make_unique<LoggingPage>(key * 10, log);
            pages[key * 10] = page.get();
            wizard->addPage(std::move(page));
        }
    }
    void open() {
        wizard->show();
        log.clear();
    }
    void click(QPushButton* button) { button->click(); }
    int activeKey() const { return wizard->activePage() ? wizard->activePage()->key() : 0; }
    bool backOn() const { return wizard->backButton()->isEnabled(); }
    bool nextOn() const { return wizard->nextButton()->isEnabled(); }
    bool finishOn() const { return wizard->finishButton()->isEnabled(); }

    QStringList log;
    std::map<int, LoggingPage*> pages;
    std::unique_ptr<CWizardDialog> wizard;
};

TEST_F(WizardDialogTest, OpensOnTheFirstStepCreatingOnlyIt) {
    build(3);
    wizard->show();
    EXPECT_EQ(log, QStringList({"10 created", "10 shown"}));
    EXPECT_EQ(activeKey(), 10);
    EXPECT_TRUE(pages[10]->isCreated());
    EXPECT_FALSE(pages[20]->isCreated());
    EXPECT_FALSE(backOn());
    EXPECT_TRUE(nextOn());
    EXPECT_FALSE(finishOn());
    EXPECT_FALSE(wizard->endReached());
}

TEST_F(WizardDialogTest, ASingleStepCanOnlyFinish) {
    build(1);
    open();
    EXPECT_FALSE(nextOn());
    EXPECT_TRUE(finishOn());
    EXPECT_FALSE(backOn());
}

// A step that needs more room than the window has scrolls inside the window, which keeps its
// size and its buttons their places; the step's first field is scrolled into view.
TEST_F(WizardDialogTest, AStepLargerThanTheWindowScrollsInsideIt) {
    build(2);
    auto* tall = new QVBoxLayout(pages[20]);
    tall->addSpacing(3000);
    auto* field = new QLineEdit;
    tall->addWidget(field);
    pages[20]->setMinimumWidth(3000);
    wizard->resize(400, 300);
    open();
    const QSize opened = wizard->size();
    const QRect nextPlace = wizard->nextButton()->geometry();
    click(wizard->nextButton());
    QApplication::processEvents();
    EXPECT_EQ(wizard->size(), opened);
    EXPECT_EQ(wizard->nextButton()->geometry(), nextPlace);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_FALSE(field->visibleRegion().isEmpty());
}

// The size in units of the font grows with the font, and stays within the screen.
TEST_F(WizardDialogTest, TheSizeInFontUnitsFollowsTheFontWithinTheScreen) {
    QSize sizes[2];
    for (const int index : {0, 1}) {
        build(2);
        QFont font = wizard->font();
        font.setPointSize(index == 0 ? 9 : 13);
        wizard->setFont(font);
        wizard->setSizeInFontUnits({60, 20});
        open();
        sizes[index] = wizard->size();
    }
    EXPECT_GT(sizes[1].width(), sizes[0].width() * 4 / 3);
    EXPECT_GT(sizes[1].height(), sizes[0].height() * 4 / 3);
    build(2);
    wizard->setSizeInFontUnits({1000, 1000});
    open();
    EXPECT_TRUE(wizard->screen()->availableGeometry().contains(wizard->frameGeometry()));
}

TEST_F(WizardDialogTest, NextSkipsDisabledStepsAndTheLastStepEnablesFinish) {
    build(4);
    pages[20]->setStepEnabled(false);
    open();
    click(wizard->nextButton());
    EXPECT_EQ(log, QStringList({"10 next", "30 created", "10 leaving", "30 shown"}));
    EXPECT_EQ(activeKey(), 30);
    EXPECT_FALSE(pages[20]->isCreated());
    EXPECT_TRUE(backOn());
    EXPECT_FALSE(finishOn());
    click(wizard->nextButton());
    EXPECT_EQ(activeKey(), 40);
    EXPECT_FALSE(nextOn());
    EXPECT_TRUE(finishOn());
}

TEST_F(WizardDialogTest, FinishStaysAvailableAfterTheEndWasReachedUntilTheFirstStep) {
    build(3);
    open();
    click(wizard->nextButton());
    click(wizard->nextButton());
    click(wizard->backButton());
    EXPECT_EQ(activeKey(), 20);
    EXPECT_TRUE(finishOn());
    EXPECT_TRUE(nextOn());
    click(wizard->backButton());
    EXPECT_EQ(activeKey(), 10);
    EXPECT_FALSE(finishOn());
    EXPECT_FALSE(backOn());
}

TEST_F(WizardDialogTest, StepResultsStayJumpOrIgnoreUnknownKeys) {
    build(4);
    open();
    pages[10]->nextResult = CWizardPage::kStay;
    click(wizard->nextButton());
    EXPECT_EQ(activeKey(), 10);

    pages[10]->nextResult = 30;
    click(wizard->nextButton());
    EXPECT_EQ(activeKey(), 30);
    EXPECT_FALSE(pages[20]->isCreated());

    pages[30]->nextResult = 99;
    click(wizard->nextButton());
    EXPECT_EQ(activeKey(), 30);

    pages[30]->backResult = 10;
    click(wizard->backButton());
    EXPECT_EQ(activeKey(), 10);
    EXPECT_FALSE(backOn());
}

TEST_F(WizardDialogTest, ARefusedCreationOrLeavingKeepsTheStep) {
    build(3);
    open();
    pages[20]->createdResult = false;
    click(wizard->nextButton());
    EXPECT_EQ(activeKey(), 10);
    EXPECT_TRUE(pages[20]->isCreated());
    EXPECT_FALSE(pages[20]->isActive());

    pages[10]->leavingResult = false;
    pages[10]->nextResult = 30;
    click(wizard->nextButton());
    EXPECT_EQ(activeKey(), 10);
    EXPECT_TRUE(pages[10]->isVisible());
}

TEST_F(WizardDialogTest, FinishAsksEveryCreatedEnabledStepInOrderAndStopsAtARefusal) {
    build(4);
    open();
    click(wizard->nextButton());
    click(wizard->nextButton());
    click(wizard->nextButton());
    pages[20]->setStepEnabled(false);
    pages[30]->finishResult = false;
    log.clear();
    click(wizard->finishButton());
    EXPECT_EQ(log, QStringList({"40 leaving", "10 finish", "30 finish"}));
    EXPECT_TRUE(wizard->isVisible());

    pages[30]->finishResult = true;
    log.clear();
    click(wizard->finishButton());
    EXPECT_EQ(log, QStringList({"40 leaving", "10 finish", "30 finish", "40 finish"}));
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), CWizardDialog::kFinished);
}

TEST_F(WizardDialogTest, CancelAsksEveryCreatedEnabledStepAndTheFirstRefusalKeepsItOpen) {
    build(3);
    open();
    click(wizard->nextButton());
    pages[10]->cancelResult = false;
    log.clear();
    click(wizard->cancelButton());
    EXPECT_EQ(log, QStringList({"10 cancel"}));
    EXPECT_TRUE(wizard->isVisible());

    pages[10]->cancelResult = true;
    log.clear();
    pressKey(wizard.get(), Qt::Key_Escape);
    EXPECT_EQ(log, QStringList({"10 cancel", "20 cancel"}));
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(wizard->result(), CWizardDialog::kCancelled);
}

TEST_F(WizardDialogTest, ClosingTheWindowIsACancel) {
    build(2);
    open();
    wizard->close();
    EXPECT_EQ(log, QStringList({"10 cancel"}));
    EXPECT_EQ(wizard->result(), CWizardDialog::kCancelled);
}

TEST_F(WizardDialogTest, TeardownLetsEveryCreatedStepLeaveAndBeDestroyed) {
    build(3);
    open();
    click(wizard->nextButton());
    log.clear();
    wizard.reset();
    EXPECT_EQ(log, QStringList({"10 leaving", "10 destroying", "20 leaving", "20 destroying"}));
}

TEST_F(WizardDialogTest, StepsAreFoundByKey) {
    build(3);
    EXPECT_EQ(wizard->page(20), pages[20]);
    EXPECT_EQ(wizard->page(21), nullptr);
}
} // namespace

namespace {
// A wizard placed partly off the screen, at any side, opens whole on it: title bar and buttons
// reachable.
TEST_F(WizardDialogTest, OpensWholeOnTheScreen) {
    build(2);
    const QRect free = wizard->screen()->availableGeometry();
    wizard->resize(400, 300);
    const QPoint places[] = {{free.left() - 250, free.top() - 120},
                             {free.right() - 100, free.bottom() - 50},
                             {free.left() + 10, free.bottom() + 400}};
    for (const QPoint& place : places) {
        wizard->hide();
        wizard->move(place);
        wizard->show();
        EXPECT_TRUE(free.contains(wizard->frameGeometry()))
            << place.x() << "," << place.y() << " ended at " << wizard->frameGeometry().x() << ","
            << wizard->frameGeometry().y();
    }
}
} // namespace
