#pragma once

#include <QObject>
#include <memory>

class ExplanationBrowser;
class QBoxLayout;
class QPushButton;
class QSplitter;
class QWidget;
struct PreparedReturn;

// The preview window's commands on the return's figures: "How Computed" shows every figure's
// explanation beside the pages, "Export Return Data..." writes the return's data, "Filing
// Sheet..." opens the electronic filing sheet. A return without its figures (one taken back
// from the history) has none of them.
class ReturnDataCommands : public QObject {
    Q_OBJECT
public:
    ReturnDataCommands(std::shared_ptr<const PreparedReturn> prepared, QWidget* window);

    // Adds the buttons to the window's command bar.
    void addButtons(QBoxLayout* bar);
    // The pages with the explanations beside them, shown by "How Computed".
    QWidget* besidePages(QWidget* pages);

    QPushButton* howComputedButton() const { return howComputed_; }
    ExplanationBrowser* explanations() const { return explanations_; }

public slots:
    void showExplanations(bool shown);
    void exportData();
    void showFilingSheet();

private:
    std::shared_ptr<const PreparedReturn> prepared_;
    QWidget* window_;
    QSplitter* split_ = nullptr;
    QPushButton* howComputed_ = nullptr;
    ExplanationBrowser* explanations_ = nullptr;
};
