#include "app/ClientsView.h"

#include "clients/ClientFile.h"
#include "clients/ClientStore.h"
#include "forms/filling/FormSet.h"
#include "history/ReturnInputsTable.h"
#include "output/history/ReturnHistoryDialog.h"
#include "platform/FixedText.h"
#include "returns/ReturnRecord.h"
#include "ui/FirstRowByKeyboard.h"
#include "ui/FlatHeaderView.h"
#include "ui/Icons.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureButton.h"
#include "ui/SelectionColors.h"
#include "ui/ViewportHint.h"
#include "ui/WaitCursor.h"
#include "wizards/client/ClientWizardCommands.h"
#include "wizards/multisite/MultiSiteWizard.h"
#include "wizards/return/FigureFileCommands.h"
#include "wizards/return/ReturnWizard.h"

#include <QDir>
#include <QKeyEvent>
#include <QTreeWidget>

namespace {
constexpr int kButtonSpacing = 6;
constexpr int kButtonMargin = 4;
constexpr int kListMargin = 5;

struct Column {
    const char* title;
    int width;
};
constexpr Column kColumns[] = {
    {"Business Name", 310}, {"Phone Number", 120}, {"IBT #", 95}, {"Multi-location", 95}};

const QString kSelectClient = QStringLiteral("Please select a client from the list");

QStringList rowTexts(const ClientSummary& client) {
    return {client.name, client.phone, client.ibtNumber,
            client.multiSite ? QStringLiteral("YES") : QStringLiteral("NO")};
}

QTreeWidget* makeList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("clientList"));
    list->setHeader(new FlatHeaderView(list));
    list->header()->setStretchLastSection(true);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAlternatingRowColors(true);
    QStringList titles;
    for (const Column& column : kColumns)
        titles << QString::fromLatin1(column.title);
    list->setHeaderLabels(titles);
    for (int index = 0; index < int(std::size(kColumns)); ++index)
        list->setColumnWidth(index, kColumns[index].width);
    keepSelectionVisible(list);
    selectFirstRowByKeyboard(list);
    return list;
}
} // namespace

CClientsView::CClientsView(const TaxTable& table, QWidget* parent)
    : QWidget(parent), table_(table) {
    // Access keys apart from the menu bar's (F, E, V, T, H).
    newClientButton_ = new PictureButton(Icons::newClient(), QStringLiteral("&New Client "), this);
    buttons_ = {newClientButton_,
                new PictureButton(Icons::modifyClient(), QStringLiteral("&Modify Client"), this),
                new PictureButton(Icons::deleteClient(), QStringLiteral("&Delete Client"), this),
                new PictureButton(Icons::newReturn(), QStringLiteral("New &Return"), this),
                new PictureButton(Icons::returnHistory(), QStringLiteral("Return H&istory"), this)};
    const QList<void (CClientsView::*)()> handlers = {
        &CClientsView::newClient, &CClientsView::modifyClient, &CClientsView::deleteClient,
        &CClientsView::newReturn, &CClientsView::returnHistory};
    int left = kButtonMargin;
    for (int index = 0; index < buttons_.size(); ++index) {
        PictureButton* button = buttons_[index];
        button->setGeometry(QRect(QPoint(left, kButtonMargin),
                                  button->sizeHint().expandedTo(button->minimumSize())));
        left += button->width() + kButtonSpacing;
        connect(button, &QPushButton::clicked, this, handlers[index]);
    }

    list_ = makeList(this);
    list_->installEventFilter(this);
    setFocusProxy(list_);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CClientsView::selectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CClientsView::newReturn);
    emptyHint_ = new ViewportHint(
        list_, QStringLiteral("No clients yet: click New Client to set up the first business."));
    emptyHint_->setObjectName(QStringLiteral("emptyListHint"));
    connect(this, &CClientsView::clientCountChanged, this, &CClientsView::showEmptyHint);
    layOutList();
}

// Enter on a row does what a double click does.
bool CClientsView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list_->currentItem()) {
            // The row with the focus is the one meant, selected or not (with one client
            // the arrow keys have no other row to move to).
            list_->setCurrentItem(list_->currentItem());
            newReturn();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CClientsView::loadClients(const QString& folder) {
    WaitCursor wait;
    folder_ = folder;
    clients_.reset(ClientStore::loadClients(folder));
    showClients(-1);
}

void CClientsView::showClients(int selected) {
    list_->clear();
    // All rows at once: one change of the list instead of one per client.
    QList<QTreeWidgetItem*> rows;
    rows.reserve(clients_.size());
    for (int row = 0; row < clients_.size(); ++row)
        rows.append(new QTreeWidgetItem(rowTexts(clients_.at(row))));
    list_->addTopLevelItems(rows);
    if (selected >= 0 && selected < list_->topLevelItemCount())
        list_->setCurrentItem(list_->topLevelItem(selected));
    emit clientCountChanged();
    emit selectionChanged();
}

void CClientsView::addClient(const ClientInfo& client) {
    const int row = clients_.add(client);
    if (row < 0)
        return;
    insertRow(row);
    emit clientCountChanged();
}

void CClientsView::removeAllClients() {
    clients_.clear();
    list_->clear();
    emit clientCountChanged();
    emit selectionChanged();
}

void CClientsView::insertRow(int row) {
    auto* item = new QTreeWidgetItem(rowTexts(clients_.at(row)));
    list_->insertTopLevelItem(row, item);
}

int CClientsView::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

const ClientSummary* CClientsView::selectedClient() const {
    const int row = selectedRow();
    return row >= 0 ? &clients_.at(row) : nullptr;
}

// The whole, current record of the selected client, read from its file; none, after
// `failure` (or what went wrong when none is given), when the file cannot be read.
std::unique_ptr<ClientInfo> CClientsView::openSelectedClient(const QString& failure) {
    const ClientSummary* selected = selectedClient();
    auto client = std::make_unique<ClientInfo>();
    const int result =
        selected ? ClientStore::openClient(selected->path, table_, *client) : kClientFileCannotOpen;
    if (result == kClientFileOk)
        return client;
    MessageBoxes::current().inform(
        this,
        failure.isEmpty() ? ClientStore::openFailureText(selected ? selected->path : QString())
                          : failure,
        MessageIcon::Stop);
    return nullptr;
}

bool CClientsView::requireSelection(const QString& message) {
    if (hasSelection())
        return true;
    MessageBoxes::current().inform(this, message, MessageIcon::Information);
    return false;
}

void CClientsView::newClient() {
    ClientWizardContext context{table_, clients_, folder_};
    const int row = runNewClientWizard(this, context);
    if (row >= 0)
        showClients(row);
    takeKeyboardBack();
}

void CClientsView::modifyClient() {
    ClientWizardContext context{table_, clients_, folder_};
    const int row = runModifyClientWizard(this, context, selectedRow());
    if (row >= 0)
        showClients(row);
    takeKeyboardBack();
}

void CClientsView::deleteClient() {
    if (!requireSelection(kSelectClient))
        return;
    if (!MessageBoxes::current().confirm(
            this, QStringLiteral("Are you sure you want to delete this client?"),
            MessageIcon::Warning, true))
        return;
    const int row = selectedRow();
    const ClientSummary& client = clients_.at(row);
    if (const QString failure = ClientStore::deleteClientFile(client.path); !failure.isEmpty()) {
        MessageBoxes::current().inform(
            this,
            QStringLiteral("The client file \"%1\" could not be deleted: %2\nThe client stays in "
                           "the list.")
                .arg(QDir::toNativeSeparators(client.path), failure),
            MessageIcon::Stop);
        return;
    }
    clients_.removeAt(row);
    delete list_->takeTopLevelItem(row);
    // No other client becomes selected, so a second Delete cannot hit a client by surprise.
    list_->setCurrentItem(nullptr);
    list_->clearSelection();
    emit clientCountChanged();
    emit selectionChanged();
}

void CClientsView::newReturn() {
    if (!requireSelection(QStringLiteral("Please select a client from the list of clients "
                                         "first.\nIf you don't have any clients yet , please "
                                         "start by creating one.")))
        return;
    const std::unique_ptr<ClientInfo> client =
        openSelectedClient(QStringLiteral("Failed to run \"New Return\" wizard."));
    if (!client)
        return;
    const ReturnWizardSettings settings =
        returnSettings_ ? returnSettings_() : ReturnWizardSettings();
    const std::optional<StoredInputs> lastReturn = lastStoredInputs(*client);
    {
        // The wait cursor starts after the message, which would otherwise show it too, and
        // ends when the wizard opens.
        WaitCursor wait;
        resetReturnAndForms(currentReturn(), forms(), settings.fill);
    }
    const int result = client->record.multiSite == 1
                           ? runMultiSiteWizard(this, *client, settings, {}, lastReturn)
                           : runReturnWizard(this, *client, false, settings, lastReturn);
    if (result < 0)
        MessageBoxes::current().inform(this, QStringLiteral("Failed to create new return"),
                                       MessageIcon::Stop);
    takeKeyboardBack();
    emit historyMayHaveChanged(client->path);
}

// When a wizard closes, finished or cancelled, the keyboard is on the client list of the main
// window at once: some window managers leave no window active then, and a button pressed to
// open the wizard would otherwise keep the focus.
void CClientsView::takeKeyboardBack() {
    window()->activateWindow();
    list_->setFocus(Qt::OtherFocusReason);
}

void CClientsView::newReturnFor(const QString& clientPath) {
    for (int row = 0; row < clients_.size(); ++row) {
        if (clients_.at(row).path == clientPath) {
            list_->setCurrentItem(list_->topLevelItem(row));
            newReturn();
            return;
        }
    }
}

// The inputs of the client's last stored return, which a new return starts from. Damaged ones
// are reported and left unused: the return then starts empty.
std::optional<StoredInputs> CClientsView::lastStoredInputs(const ClientInfo& client) {
    QString problem;
    std::optional<StoredInputs> inputs = readLatestInputs(client.path, problem);
    if (!inputs && !problem.isEmpty())
        MessageBoxes::current().inform(
            this,
            problem + QStringLiteral("\nThe new return starts without the last return's "
                                     "period and figures."),
            MessageIcon::Warning);
    return inputs;
}

void CClientsView::saveImportTemplate() {
    if (!requireSelection(kSelectClient))
        return;
    if (const std::unique_ptr<ClientInfo> client = openSelectedClient({}))
        ::saveImportTemplate(this, client->record);
}

void CClientsView::returnHistory() {
    if (!requireSelection(kSelectClient))
        return;
    if (const std::unique_ptr<ClientInfo> client = openSelectedClient({})) {
        showReturnHistory(this, *client);
        emit historyMayHaveChanged(client->path);
    }
}

void CClientsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutList();
}

// The list starts one and a half button heights from the top and leaves a small margin to the
// right and at the bottom.
void CClientsView::layOutList() {
    const int top = newClientButton_->height() * 3 / 2;
    list_->setGeometry(0, top, width() - kListMargin, height() - kListMargin - top);
    showEmptyHint();
}

// An empty list says what to do first, across the middle of the list.
void CClientsView::showEmptyHint() {
    emptyHint_->setVisible(clients_.size() == 0);
}
