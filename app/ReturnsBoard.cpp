#include "app/ReturnsBoard.h"

#include "platform/Clock.h"
#include "ui/ColumnWidths.h"
#include "ui/FlatHeaderView.h"
#include "ui/ViewportHint.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Column {
    kClient,
    kFrequency,
    kLastPeriod,
    kNextPeriod,
    kDueDate,
    kDays,
    kLastPayment,
    kState,
    kColumnCount
};
const char* const kTitles[] = {"Client",   "Frequency", "Last Stored",      "Next Period",
                               "Due Date", "Days",      "Last Payment Due", "State"};
constexpr int kPathRole = Qt::UserRole;

// The state's colour behind its word; the word alone says it too.
QColor stateColour(DueState state) {
    switch (state) {
    case DueState::Late:
        return QColor(244, 178, 178);
    case DueState::Due:
        return QColor(255, 221, 150);
    case DueState::Stored:
        return QColor(188, 228, 188);
    default:
        return QColor(224, 224, 224);
    }
}

QStringList rowTexts(const BoardRow& row) {
    const bool dated = row.status.dueDate.isValid();
    return {row.name,
            row.frequency,
            row.lastPeriod,
            dated ? periodLabel(row.status.next) : QString(),
            dated ? QLocale().toString(row.status.dueDate, QStringLiteral("ddd MMM d, yyyy"))
                  : QString(),
            daysText(row.status),
            row.lastPaymentDue,
            stateName(row.status.state)};
}

QTreeWidgetItem* boardItem(const BoardRow& row) {
    auto* item = new QTreeWidgetItem(rowTexts(row));
    item->setData(kClient, kPathRole, row.path);
    item->setBackground(kState, stateColour(row.status.state));
    item->setForeground(kState, QColor(Qt::black));
    for (const int column : {kDays, kLastPayment})
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    if (!row.problem.isEmpty()) {
        for (int column = 0; column < kColumnCount; ++column)
            item->setToolTip(column, row.problem);
    }
    return item;
}

QTreeWidget* makeList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("boardList"));
    list->setHeader(new FlatHeaderView(list));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAlternatingRowColors(true);
    QStringList titles;
    for (const char* title : kTitles)
        titles << QString::fromLatin1(title);
    list->setHeaderLabels(titles);
    list->header()->setStretchLastSection(true);
    return list;
}
} // namespace

ReturnsBoard::ReturnsBoard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("returnsBoard"));
    filterChoice_ = new QComboBox(this);
    filterChoice_->setObjectName(QStringLiteral("boardFilter"));
    filterChoice_->addItems(
        {QStringLiteral("All clients"), QStringLiteral("Due this month"), QStringLiteral("Late")});
    auto* filterLabel = new QLabel(QStringLiteral("Sho&w:"), this);
    filterLabel->setBuddy(filterChoice_);
    connect(filterChoice_, &QComboBox::currentIndexChanged, this,
            [this](int index) { setFilter(Filter(index)); });
    auto* filters = new QHBoxLayout;
    filters->addWidget(filterLabel);
    filters->addWidget(filterChoice_);
    filters->addStretch();

    list_ = makeList(this);
    list_->installEventFilter(this);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &ReturnsBoard::requestNewReturn);
    emptyHint_ = new ViewportHint(list_);
    emptyHint_->setObjectName(QStringLiteral("boardEmptyHint"));
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("boardStatus"));
    statusBar_->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(list_, 1);
    layout->addWidget(statusBar_);
    setFocusProxy(list_);
}

void ReturnsBoard::setClients(std::vector<BoardClient> clients) {
    clients_ = std::move(clients);
    stale_ = true;
    if (isVisible())
        reload();
}

// The rows depend on the day as well: a board left open overnight reads again when shown.
void ReturnsBoard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_ || readOn_ != Clock::today())
        reload();
}

void ReturnsBoard::reload() {
    readOn_ = Clock::today();
    rows_ = readBoard(clients_, readOn_, histories_);
    histories_.save();
    stale_ = false;
    showRows();
}

void ReturnsBoard::refreshClient(const QString& path) {
    if (stale_)
        return;
    histories_.forget(path);
    for (BoardRow& row : rows_) {
        if (row.path == path)
            row = boardRow({row.name, row.path}, histories_.read(path), readOn_);
    }
    histories_.save();
    sortBoard(rows_);
    showRows();
}

void ReturnsBoard::setFilter(Filter filter) {
    filter_ = filter;
    if (filterChoice_->currentIndex() != int(filter))
        filterChoice_->setCurrentIndex(int(filter));
    showRows();
}

bool ReturnsBoard::passesFilter(const BoardRow& row) const {
    switch (filter_) {
    case Filter::DueThisMonth:
        return isDueThisMonth(row.status, readOn_);
    case Filter::Late:
        return row.status.state == DueState::Late;
    default:
        return true;
    }
}

void ReturnsBoard::showRows() {
    const QString current = list_->currentItem()
                                ? list_->currentItem()->data(kClient, kPathRole).toString()
                                : QString();
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const BoardRow& row : rows_) {
        if (passesFilter(row))
            items << boardItem(row);
    }
    list_->addTopLevelItems(items);
    for (QTreeWidgetItem* item : items) {
        if (item->data(kClient, kPathRole).toString() == current)
            list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && !items.isEmpty())
        list_->setCurrentItem(items.first());
    // Once per filling: a header that follows its contents would measure every row again on
    // every change.
    fitColumnsToTexts(list_);
    emptyHint_->setText(rows_.empty() ? QStringLiteral("No clients yet: set up a client on the "
                                                       "Clients tab.")
                                      : QStringLiteral("No client matches this filter."));
    emptyHint_->setVisible(items.isEmpty());
    statusBar_->showMessage(statusText());
}

QString ReturnsBoard::statusText() const {
    return boardCountsText(countBoard(rows_, readOn_));
}

bool ReturnsBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list_->currentItem()) {
            requestNewReturn();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReturnsBoard::requestNewReturn() {
    if (QTreeWidgetItem* item = list_->currentItem())
        emit newReturnRequested(item->data(kClient, kPathRole).toString());
}
