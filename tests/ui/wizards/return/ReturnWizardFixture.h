#pragma once

#include "forms/filling/FormSet.h"
#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "support/LoadedForms.h"
#include "support/TestClients.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardPage.h"
#include "wizards/return/ReturnWizard.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

// The return wizard over a fresh return for a Springfield client (rates of 8.75 % and 2.25 %)
// named `clientName`, the clock at 15 March 2005, every message box answered by a script.
class ReturnWizardFixture : public ::testing::Test {
protected:
    explicit ReturnWizardFixture(const char* clientName) : clientName_(clientName) {}

    void SetUp() override {
        Clock::setFixedDate(QDate(2005, 3, 15));
        record = std::make_unique<ReturnRecord>();
        resetReturnAndForms(*record, *set, settings.fill);
        client.record = TestClients::springfield(clientName_);
    }
    void TearDown() override {
        wizard.reset();
        Clock::release();
    }

    ReturnWizard& open(bool locationMode = false, const CarryForward* carry = nullptr) {
        ReturnWizardState state{*record, *set, settings, client, locationMode, false, {}};
        if (carry)
            startFromLastReturn(state, *carry);
        wizard = std::make_unique<ReturnWizard>(std::move(state));
        wizard->show();
        return *wizard;
    }

    CWizardPage* step() const { return wizard->activePage(); }
    int stepKey() const { return step() ? step()->key() : 0; }
    void next() { wizard->nextButton()->click(); }
    // Next until the step `key` is shown (or no step moves).
    void nextUntil(int key) {
        for (int presses = 0; presses < 25 && stepKey() != key; ++presses)
            next();
    }

    FormSet* const set = &loadedForms();
    ReturnWizardSettings settings;
    ClientInfo client;
    std::unique_ptr<ReturnRecord> record;
    std::unique_ptr<ReturnWizard> wizard;
    ScriptedMessages messages;

private:
    const char* clientName_;
};
