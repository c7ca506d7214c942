#pragma once

#include "forms/PageEntry.h"
#include "returns/explain/CalculationSteps.h"

#include <QObject>
#include <memory>
#include <span>
#include <utility>

class QLabel;
class QPushButton;
class QTableWidget;
class QTextBrowser;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;
struct LocationResults;
struct PreparedReturn;
struct ReturnRecord;

// What the summary step of a return wizard shows about its figures: the steps of the selected
// amount in words under the summary, "How Computed..." with every figure of the return, and
// the electronic filing notice when line 1 calls for it. The step's computation records its
// steps here, and the preview takes the prepared return from here.
class SummaryExplanations : public QObject {
    Q_OBJECT
public:
    // Adds the words, the notice and a row of commands holding "How Computed..." to `box`,
    // below what the step shows.
    SummaryExplanations(QVBoxLayout* box, QWidget* step);

    // Puts one of the step's own commands on the row after those already there, so that the
    // summary's commands take one line of the step rather than one each.
    void addCommand(QPushButton* command);

    // Where the step's computation records its steps.
    CalculationSteps& steps() { return steps_; }

    // After the step computed a single-site return (or a location) with `st1Status`; the
    // notice is shown only when `withNotice`.
    void showReturn(const ReturnRecord& record, int st1Status, bool withNotice);
    // After the step combined the locations of a multi-site return.
    void showCombined(const ReturnRecord& combined, const LocationResults& results);

    // The return as computed, for the preview: `pages` tell whether the gasohol worksheet is
    // among them.
    std::shared_ptr<const PreparedReturn> prepared(const PageList& pages) const;

    // The summary table's amount cells: selecting one shows the figure it holds.
    void attachTable(QTableWidget* table,
                     std::span<const std::pair<std::pair<int, int>, Figure>> cells);
    // Amount labels: giving one the focus (a click, Tab) shows the figure it holds.
    void attachLabels(std::span<QLabel* const> labels, std::span<const Figure> figures);

    QTextBrowser* words() const { return words_; }
    QLabel* notice() const { return notice_; }
    QPushButton* howComputedButton() const { return howComputed_; }

public slots:
    void showHowComputed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFigure(std::optional<Figure> figure);

    QWidget* step_;
    CalculationSteps steps_;
    std::shared_ptr<PreparedReturn> prepared_;
    std::optional<Figure> shown_;
    std::vector<std::pair<QLabel*, Figure>> labels_;
    QTextBrowser* words_;
    QLabel* notice_;
    QPushButton* howComputed_;
    QHBoxLayout* commands_;
};
