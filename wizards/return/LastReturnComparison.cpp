#include "wizards/return/LastReturnComparison.h"

#include "returns/GroupThousands.h"
#include "returns/inputs/CarryForward.h"

#include <QHeaderView>

namespace {
const char* const kRows[] = {"Total Receipts", "Deductions", "Taxable Receipts", "Payment Due"};
enum Column { kThisReturn, kLastReturn, kChange, kCheck, kColumnCount };
const QColor kMarkedBackground(255, 221, 170);

Dollars amountOf(const ReturnSummary& summary, int row) {
    const Dollars amounts[] = {summary.summaryTotalReceipts, summary.summaryDeductions,
                               summary.summaryTaxableReceipts, summary.summaryPaymentDue};
    return amounts[row];
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}
} // namespace

LastReturnComparison::LastReturnComparison(const ReturnSummary& last,
                                           const FilingPeriod& lastPeriod, QWidget* parent)
    : QTableWidget(int(std::size(kRows)), kColumnCount, parent), last_(last) {
    setObjectName(QStringLiteral("lastReturnComparison"));
    setHorizontalHeaderLabels({QStringLiteral("This return"),
                               QStringLiteral("Last return (%1)").arg(periodLabel(lastPeriod)),
                               QStringLiteral("Change"), QStringLiteral("Check")});
    QStringList rows;
    for (const char* row : kRows)
        rows << QString::fromLatin1(row);
    setVerticalHeaderLabels(rows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kCheck, QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void LastReturnComparison::showAmounts(const ReturnSummary& now) {
    marked_ = 0;
    for (int row = 0; row < rowCount(); ++row) {
        const Dollars last = amountOf(last_, row);
        const Dollars current = amountOf(now, row);
        const FigureChange change = compareWithLast(last, current);
        setItem(row, kThisReturn, cell(groupThousands(current)));
        setItem(row, kLastReturn, cell(groupThousands(last)));
        setItem(row, kChange, cell(change.percent));
        QTableWidgetItem* check =
            cell(change.marked ? change.reason : QStringLiteral("OK"), Qt::AlignLeft);
        if (change.marked) {
            ++marked_;
            QFont bold = font();
            bold.setBold(true);
            check->setFont(bold);
            for (QTableWidgetItem* item : {check, this->item(row, kThisReturn)}) {
                item->setBackground(kMarkedBackground);
                item->setForeground(QColor(Qt::black));
            }
        }
        setItem(row, kCheck, check);
    }
}
