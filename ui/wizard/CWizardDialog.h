#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class CWizardPage;
class QPushButton;
class QScrollArea;

// A modal dialog that leads through an ordered list of steps with "< Back", "Next >",
// "Finish" and "Cancel". exec() gives kFinished or kCancelled. Each step shown gets the focus
// in its first field; Enter presses Next, or Finish on the last step. The window's size is
// settled when it opens and kept while it is open, so the buttons never move between steps: a
// step that needs more room than that scrolls inside the window. The window stays whole on its
// screen, title bar included.
class CWizardDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFinished = 12325;
    static constexpr int kCancelled = 2;

    explicit CWizardDialog(QWidget* parent = nullptr);
    ~CWizardDialog() override;

    // Appends a step; the wizard owns it. The list is fixed once the wizard is shown.
    void addPage(std::unique_ptr<CWizardPage> page);
    CWizardPage* page(int key) const;
    CWizardPage* activePage() const;

    // Set by the last step when it is shown; from then on Finish stays available.
    bool endReached() const { return endReached_; }
    void setEndReached() { endReached_ = true; }
    void setFinishEnabled(bool enabled);

    // The window's size in units of its font, as dialog templates give it: average character
    // widths across and line spacings down, so a larger font gives a larger window. Without it
    // the window keeps the size it has when it opens.
    void setSizeInFontUnits(QSize units) { fontUnits_ = units; }

    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* finishButton() const { return finish_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void back();
    void next();
    void finish();
    // Cancel, Escape and closing the window all come here.
    void reject() override;

protected:
    // Runs once every step agreed to Finish, before the wizard closes; false keeps the wizard
    // open with everything entered (the subclass has told the preparer why).
    virtual bool commitFinish() { return true; }
    void showEvent(QShowEvent* event) override;

private:
    void start();
    void updateDefaultButton();
    void settleSize();
    QSize frameExtent() const;
    static QScrollArea* scrollAreaOf(const CWizardPage* page);
    void keepOnScreen();
    bool showPage(CWizardPage* target);
    bool createPage(CWizardPage* target);
    // The step that a nextPressed or backPressed result leads to, or none.
    CWizardPage* targetOf(int result, int step) const;
    int indexOf(const CWizardPage* page) const;
    template <typename Predicate>
    bool everyUsedPage(Predicate predicate) const;

    std::vector<std::unique_ptr<CWizardPage>> pages_;
    QWidget* frame_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* finish_;
    QPushButton* cancel_;
    QSize fontUnits_;
    bool started_ = false;
    bool endReached_ = false;
};
