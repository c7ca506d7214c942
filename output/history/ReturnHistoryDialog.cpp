#include "output/history/ReturnHistoryDialog.h"

#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"
#include "history/ReturnHistory.h"
#include "output/ReturnPreviewWindow.h"
#include "platform/PrivateTempFolder.h"
#include "ui/ColumnWidths.h"
#include "ui/FirstRowByKeyboard.h"
#include "ui/FlatHeaderView.h"
#include "ui/FontUnits.h"
#include "ui/Icons.h"
#include "ui/MessageBoxes.h"
#include "ui/SelectionColors.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>
#include <vector>

namespace {
struct Column {
    const char* title;
    int width;
};
constexpr Column kColumns[] = {{"Return Number", 85},   {"Return Date", 90},
                               {"Return Time", 90},     {"ST1 Total Receipts", 105},
                               {"ST1 Deductions", 90},  {"ST1 Taxable Receipts", 120},
                               {"ST1 Payment Due", 105}};
// The smallest size of the dialog, in average characters across and lines down of its font
// (about 720 x 390 pixels at the usual font).
constexpr QSize kDialogFontUnits(118, 28);
constexpr int kReturnIndexRole = Qt::UserRole;

QTreeWidget* makeList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("returnList"));
    list->setHeader(new FlatHeaderView(list));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList titles;
    for (const Column& column : kColumns)
        titles << QString::fromLatin1(column.title);
    list->setHeaderLabels(titles);
    std::vector<int> widths;
    for (const Column& column : kColumns)
        widths.push_back(column.width);
    setColumnWidthsFittingTitles(list, widths);
    keepSelectionVisible(list);
    selectFirstRowByKeyboard(list);
    return list;
}

void paintWhite(QWidget* widget) {
    QPalette white = widget->palette();
    white.setColor(QPalette::Window, Qt::white);
    widget->setPalette(white);
    widget->setAutoFillBackground(true);
}

void inform(QWidget* parent, const char* text, MessageIcon icon) {
    MessageBoxes::current().inform(parent, QString::fromLatin1(text), icon);
}
} // namespace

CReturnHistoryDialog::CReturnHistoryDialog(HistoryDatabase& database, const ClientInfo& client,
                                           QWidget* parent)
    : QDialog(parent), database_(database), client_(client), list_(makeList(this)) {
    setWindowTitle(QStringLiteral("Return History"));
    setWindowIcon(Icons::program());
    paintWhite(this);
    auto* view = new QPushButton(QStringLiteral("&View Return"), this);
    auto* remove = new QPushButton(QStringLiteral("&Delete Return"), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(view, &QPushButton::clicked, this, &CReturnHistoryDialog::viewReturn);
    connect(remove, &QPushButton::clicked, this, &CReturnHistoryDialog::deleteReturn);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    list_->viewport()->installEventFilter(this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(view);
    commands->addWidget(remove);
    commands->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(commands);
    layout->addLayout(bottom);
    // Sized in units of its font, and wide enough that every column shows whole, as far as
    // the screen allows.
    const QMargins margins = layout->contentsMargins();
    const QSize screenSize = screen()->availableGeometry().size();
    const QSize least = sizeInFontUnits(kDialogFontUnits, font()).boundedTo(screenSize);
    const int wanted = margins.left() + widthShowingEveryColumn(list_) + margins.right();
    resize(std::clamp(wanted, least.width(), std::max(least.width(), screenSize.width())),
           least.height());
    fillList();
}

CReturnHistoryDialog::~CReturnHistoryDialog() {
    removeExtractedPages();
}

void CReturnHistoryDialog::fillList() {
    for (const QStringList& row : listHistoryReturns(database_)) {
        auto* item = new QTreeWidgetItem(list_, row);
        item->setData(0, kReturnIndexRole, row[0].toInt());
    }
}

// A double click anywhere in the list, on a row or beside the rows, runs View.
bool CReturnHistoryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        viewReturn();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QTreeWidgetItem* CReturnHistoryDialog::selectedRow() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        inform(this, "Please select a return from the list!", MessageIcon::None);
        return nullptr;
    }
    return selected.first();
}

int CReturnHistoryDialog::returnIndexOf(const QTreeWidgetItem* row) {
    return row->data(0, kReturnIndexRole).toInt();
}

QString CReturnHistoryDialog::archivePath(const QString& returnDate) const {
    const QString namePart = clientName(client_.record).replace(u' ', u'_');
    const QString fileName = QStringLiteral("%1-%2.zip").arg(namePart, returnDate);
    if (fileName.contains(u'/') || fileName.contains(u'\\') || fileName.contains(u':'))
        return {};
    return PrivateTempFolder::filePath(fileName);
}

void CReturnHistoryDialog::viewReturn() {
    const QTreeWidgetItem* row = selectedRow();
    if (!row)
        return;
    const int returnIndex = returnIndexOf(row);
    QString returnDate;
    try {
        HistoryQuery query = database_.execQuery(
            QStringLiteral("select ReturnDate from tblReturnHistory where ReturnIndex = %1;")
                .arg(returnIndex));
        if (query.eof())
            return;
        returnDate = query.fieldValue(QStringLiteral("ReturnDate"));
    } catch (const CppSQLiteException&) {
        return;
    }
    removeExtractedPages();
    const QString archive = archivePath(returnDate);
    std::optional<PageList> pages;
    if (!archive.isEmpty())
        pages = extractHistoryReturn(database_, returnIndex, archive, unzippedPagesFolder());
    if (!pages) {
        if (!archive.isEmpty())
            QFile::remove(archive);
        inform(this, "An error occurred while extracting the return data!", MessageIcon::Stop);
        return;
    }
    extractedFolder_ = unzippedPagesFolder();
    extractedPages_ = *pages;
    PreviewContext context;
    context.pages = extractedPages_;
    context.client = client_;
    context.paymentDue = 0;
    context.fromHistory = true;
    const QString document = archive.left(archive.size() - 4) + QStringLiteral(".doc");
    openReturnPreview(this, context, document);
    QFile::remove(archive);
}

void CReturnHistoryDialog::deleteReturn() {
    QTreeWidgetItem* row = selectedRow();
    if (!row)
        return;
    if (!MessageBoxes::current().confirm(
            this, QStringLiteral("Are you sure you want to delete this return?"),
            MessageIcon::Warning, true))
        return;
    if (deleteHistoryReturn(database_, returnIndexOf(row)))
        delete row;
    list_->setCurrentItem(nullptr);
    list_->clearSelection();
}

void CReturnHistoryDialog::removeExtractedPages() {
    if (!extractedFolder_.isEmpty())
        QDir(extractedFolder_).removeRecursively();
    extractedFolder_.clear();
    extractedPages_.clear();
}

void showReturnHistory(QWidget* parent, const ClientInfo& client) {
    const QString historyPath = historyFilePath(client.path);
    if (!QFileInfo::exists(historyPath)) {
        inform(parent,
               "Sorry there is no return history for this client.\nPlease start by creating a "
               "new return for this client and try again.",
               MessageIcon::Information);
        return;
    }
    HistoryDatabase database;
    try {
        database.open(historyPath);
    } catch (const CppSQLiteException&) {
        inform(parent, "An error occurred while opening the return history database.",
               MessageIcon::Stop);
        return;
    }
    CReturnHistoryDialog dialog(database, client, parent);
    dialog.exec();
}
