#include "wizards/return/ImportProblemsDialog.h"

#include "ui/Icons.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const char* const kColumns[] = {"Row", "Column", "Value found", "Expected"};

QStringList cellsOf(const ImportProblem& problem) {
    return {problem.row > 0 ? QString::number(problem.row) : QStringLiteral("\u2014"),
            problem.column.isEmpty() ? QStringLiteral("(the row)") : problem.column, problem.found,
            problem.expected};
}
} // namespace

ImportProblemsDialog::ImportProblemsDialog(const QString& fileName,
                                           const std::vector<ImportProblem>& problems,
                                           QWidget* parent)
    : QDialog(parent), summary_(new QLabel), table_(new QTableWidget(int(problems.size()), 4)) {
    setWindowTitle(QStringLiteral("Import Figures"));
    setWindowIcon(Icons::program());
    summary_->setWordWrap(true);
    summary_->setText(
        QStringLiteral("Nothing was imported from \u201c%1\u201d: %2. Correct the file and import "
                       "it again.")
            .arg(fileName,
                 problems.size() == 1
                     ? QStringLiteral("1 problem must be corrected first")
                     : QStringLiteral("%1 problems must be corrected first").arg(problems.size())));
    QStringList titles;
    for (const char* title : kColumns)
        titles << QLatin1String(title);
    table_->setObjectName(QStringLiteral("importProblems"));
    table_->setHorizontalHeaderLabels(titles);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    for (int row = 0; row < int(problems.size()); ++row) {
        const QStringList cells = cellsOf(problems[size_t(row)]);
        for (int column = 0; column < int(cells.size()); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Interactive);
    header->setSectionResizeMode(2, QHeaderView::Interactive);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    table_->setColumnWidth(1, 170);
    table_->setColumnWidth(2, 150);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* copy =
        buttons->addButton(QStringLiteral("&Copy List"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, &ImportProblemsDialog::copyList);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(820, 380);
    table_->setFocus();
}

void ImportProblemsDialog::copyList() {
    QStringList lines;
    QStringList titles;
    for (const char* title : kColumns)
        titles << QLatin1String(title);
    lines << titles.join(QLatin1Char('\t'));
    for (int row = 0; row < table_->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table_->columnCount(); ++column)
            cells << table_->item(row, column)->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
