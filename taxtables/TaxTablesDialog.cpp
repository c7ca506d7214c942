#include "taxtables/TaxTablesDialog.h"

#include "taxtables/TaxTableFilter.h"
#include "taxtables/TaxTableModel.h"
#include "ui/AccessKeys.h"
#include "ui/FlatHeaderView.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {
constexpr int kColumnWidths[] = {215, 140, 95, 95, 80};
constexpr int kCellPadding = 12;
constexpr int kCopiedCharacters = 63;

QLabel* explanation() {
    auto* label = new QLabel(
        QStringLiteral("These tables are based on form ST-25, Sales Tax Rate Reference Manual, "
                       "which lists the tax rates for each municipality and county in the state "
                       "of Illinois ") +
        QStringLiteral("for which the department collects taxes. These rates are subject to "
                       "change each January and July. It's very important to keep these tables "
                       "up to date."));
    label->setWordWrap(true);
    return label;
}
} // namespace

TaxTablesDialog::TaxTablesDialog(const TaxTable& table, QWidget* parent)
    : QDialog(parent), model_(new TaxTableModel(table, this)), filter_(new TaxTableFilter(this)),
      search_(new QLineEdit), date_(new QLineEdit(TaxTableModel::lastUpdatedText(table))),
      view_(new QTableView), copy_(new QPushButton(QStringLiteral("C&opy Location Code"))),
      status_(new QLabel) {
    setWindowTitle(QStringLiteral("Illinois Sales Tax Tables"));

    date_->setReadOnly(true);
    date_->setAlignment(Qt::AlignCenter);
    date_->setFocusPolicy(Qt::NoFocus);

    filter_->setSourceModel(model_);
    search_->setPlaceholderText(QStringLiteral("Type a place, county or location code"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, filter_, &TaxTableFilter::setSearchText);
    connect(search_, &QLineEdit::returnPressed, this, &TaxTablesDialog::goToFirstFound);

    view_->setModel(filter_);
    view_->setHorizontalHeader(new FlatHeaderView(view_));
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setShowGrid(false);
    view_->setAlternatingRowColors(true);
    view_->setWordWrap(false);
    for (int column = 0; column < TaxTableModel::ColumnCount; ++column) {
        view_->resizeColumnToContents(column);
        view_->setColumnWidth(
            column, std::max(kColumnWidths[column], view_->columnWidth(column) + kCellPadding));
    }
    view_->horizontalHeader()->setStretchLastSection(true);

    auto* searchRow = new QFormLayout;
    searchRow->addRow(QStringLiteral("&Find:"), search_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(copy_, QDialogButtonBox::ActionRole);
    AccessKeys::giveStandardButtons(buttons);
    // Enter belongs to the search field and the list: no button closes the dialog on it.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copy_, &QPushButton::clicked, this, &TaxTablesDialog::copyLocationCode);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation());
    layout->addWidget(date_);
    layout->addLayout(searchRow);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    // Wide enough for every column in the font in use.
    int tableWidth = view_->verticalScrollBar()->sizeHint().width() + 2 * view_->frameWidth();
    for (int column = 0; column < TaxTableModel::ColumnCount; ++column)
        tableWidth += view_->columnWidth(column);
    resize(std::max(740, tableWidth + layout->contentsMargins().left() +
                             layout->contentsMargins().right()),
           560);
    search_->setFocus();
}

void TaxTablesDialog::copyLocationCode() {
    const QModelIndexList selected =
        view_->selectionModel()->selectedRows(TaxTableModel::LocationCode);
    if (selected.isEmpty()) {
        MessageBoxes::current().inform(this,
                                       QStringLiteral("Please select a location from the list."),
                                       MessageIcon::Information);
        return;
    }
    const QString code = selected.front().data().toString().left(kCopiedCharacters);
    QApplication::clipboard()->setText(code);
    status_->setText(
        QStringLiteral("Location code %1 copied to the clipboard.").arg(code.trimmed()));
    view_->setFocus();
}

void TaxTablesDialog::goToFirstFound() {
    if (filter_->rowCount() == 0)
        return;
    view_->selectRow(0);
    view_->setFocus();
}

QPushButton* makeViewTaxTablesButton(const TaxTable& table, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("&View Sales Tax Tables"), parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [button, &table] { showTaxTablesDialog(button->window(), table); });
    return button;
}

void showTaxTablesDialog(QWidget* parent, const TaxTable& table) {
    std::optional<WaitCursor> filling(std::in_place);
    TaxTablesDialog dialog(table, parent);
    filling.reset();
    dialog.exec();
}
