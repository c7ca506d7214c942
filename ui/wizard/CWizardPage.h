#pragma once

#include <QWidget>

class CWizardDialog;

// One step of a wizard. A step is built hidden and gets its window contents on its first
// display (pageCreated); it keeps them until the wizard closes. The step operations below are
// what the wizard asks of it; each default lets the wizard go on.
class CWizardPage : public QWidget {
    Q_OBJECT
public:
    // Results of backPressed and nextPressed besides the key of a step to jump to.
    static constexpr int kStay = -1;
    static constexpr int kMoveOn = 0;

    explicit CWizardPage(int key);

    // The step's identity within its wizard (a positive number).
    int key() const { return key_; }
    // A disabled step is skipped by Back and Next and ignored by Finish and Cancel.
    bool isStepEnabled() const { return stepEnabled_; }
    void setStepEnabled(bool enabled) { stepEnabled_ = enabled; }
    bool isCreated() const { return created_; }
    bool isActive() const { return active_; }
    CWizardDialog* wizard() const { return wizard_; }

    // Builds the step's contents on its first display; false keeps the wizard where it is.
    virtual bool pageCreated() { return true; }
    // Runs once before the step is destroyed with its wizard.
    virtual void pageDestroying() {}
    // Another step is about to be shown; false keeps this one.
    virtual bool pageLeaving() { return true; }
    virtual void pageShown() {}
    // Cancel asks every created and enabled step; false keeps the wizard open.
    virtual bool queryCancel() { return true; }
    // kStay, kMoveOn (to the previous or next enabled step) or the key of a step.
    virtual int backPressed() { return kMoveOn; }
    virtual int nextPressed() { return kMoveOn; }
    // Finish asks every created and enabled step; false keeps the wizard open.
    virtual bool finishPressed() { return true; }
    // The field that gets the focus when the step is shown: the first one Tab reaches (the
    // chosen button of a group of options), or none.
    virtual QWidget* firstField() const;

private:
    friend class CWizardDialog;
    const int key_;
    bool stepEnabled_ = true;
    bool created_ = false;
    bool active_ = false;
    CWizardDialog* wizard_ = nullptr;
};
