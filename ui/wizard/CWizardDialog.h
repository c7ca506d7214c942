#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class CWizardPage;
class QPushButton;

// A modal dialog that leads through an ordered list of steps with "< Back", "Next >",
// "Finish" and "Cancel". exec() gives kFinished or kCancelled. Each step shown gets the focus
// in its first field; Enter presses Next, or Finish on the last step. The window stays whole on
// its screen, title bar included, when it opens and when it grows.
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
    bool event(QEvent* event) override;
    // The area the steps are placed in, for subclasses that lay out more around it.
    QWidget* pageFrame() const { return frame_; }

private:
    void start();
    void updateDefaultButton();
    void growToFitPage();
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
    bool started_ = false;
    bool endReached_ = false;
};
