#pragma once

#include "returns/report/ReturnExplanation.h"

#include <QWidget>
#include <memory>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
struct PreparedReturn;

// Every explained figure of a return in a list (by form, and for a multi-site return by the
// combined return and each location) with the selected figure's steps in words below it, and
// the commands that print the explanations or save them as a PDF, as pages of their own.
class ExplanationBrowser : public QWidget {
    Q_OBJECT
public:
    explicit ExplanationBrowser(std::shared_ptr<const PreparedReturn> prepared,
                                QWidget* parent = nullptr);

    // Selects the figure of the return (or of the combined return) and shows its words.
    void select(Figure figure);

    QTreeWidget* lines() const { return lines_; }
    QTextBrowser* words() const { return words_; }

public slots:
    void printExplanations();
    void saveExplanations();

private:
    void fillLines();
    void showCurrent();
    const ExplainedLine* lineOf(const QTreeWidgetItem* item) const;

    std::shared_ptr<const PreparedReturn> prepared_;
    ReturnExplanation explanation_;
    QTreeWidget* lines_;
    QTextBrowser* words_;
};

// The words of an explained figure as rich text: its title and amount, then its steps.
QString explainedLineHtml(const ExplainedLine& line);
