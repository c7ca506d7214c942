#include "app/MainFrame.h"

#include "app/AboutDialog.h"
#include "app/ClientsView.h"
#include "app/DesktopCommands.h"
#include "app/GlobalDoc.h"
#include "app/LockKeyState.h"
#include "app/OptionsDialog.h"
#include "app/PreparerInfoDialog.h"
#include "app/ReturnsBoard.h"
#include "app/SplashPicture.h"
#include "clients/ClientDataFolder.h"
#include "clients/DiskSpaceCheck.h"
#include "clients/backup/BackupCommands.h"
#include "letters/DefaultLetter.h"
#include "letters/LetterCommands.h"
#include "letters/LetterInputs.h"
#include "platform/DataFiles.h"
#include "platform/ProgramFolder.h"
#include "taxtables/TaxTablesDialog.h"
#include "ui/CalendarDialog.h"
#include "ui/Icons.h"
#include "ui/MessageBoxes.h"
#include "update/UpdateCommands.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int kLockKeyPollMs = 250;

// The forms print their scan lines in OCR-A: the font file in the working directory (or
// beside the program) when there is one, otherwise the system's "OCRA" family.
void registerOcrFont() {
    const QString fontFile = DataFiles::locate(QStringLiteral("OCRA____.TTF"));
    if (QFileInfo(fontFile).isFile())
        QFontDatabase::addApplicationFont(fontFile);
}
} // namespace

CMainFrame::CMainFrame(CGlobalDoc& document, QWidget* parent)
    : QMainWindow(parent), document_(document), options_(ProgramFolder::path()),
      view_(new CClientsView(document.taxTable(), this)), board_(new ReturnsBoard(this)) {
    setWindowTitle(QStringLiteral("Vantrobe"));
    setWindowIcon(Icons::program());
    setMinimumSize(kMinimumSize);
    createViews();
    createMenus();
    createToolBar();
    createStatusBar();
    connect(view_, &CClientsView::selectionChanged, this, &CMainFrame::updateCommandStates);
    connect(view_, &CClientsView::clientCountChanged, this, &CMainFrame::updateCommandStates);
    view_->setReturnSettings([this] {
        return ReturnWizardSettings{document_.fillContext(), options_.allowBlankForms == 1,
                                    options_.printGasoholWorksheet == 1,
                                    preparerParty(document_.preparerInfo()),
                                    document_.taxTable().identity()};
    });
    updateCommandStates();
}

bool CMainFrame::create() {
    registerOcrFont();
    return ensureDefaultLetter(false);
}

void CMainFrame::initialUpdate() {
    prepareDefaultClientFolder();
    view_->loadClients(options_.clientDataPath);
    view_->setFocus();
}

// The client list and the board of returns due, as two tabs; the board lists the clients of
// the list and starts their new returns through it.
void CMainFrame::createViews() {
    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("mainViews"));
    views_->setDocumentMode(true);
    views_->addTab(view_, QStringLiteral("&Clients"));
    views_->addTab(board_, QStringLiteral("Returns D&ue"));
    setCentralWidget(views_);
    connect(view_, &CClientsView::clientCountChanged, this, &CMainFrame::listClientsOnBoard);
    connect(view_, &CClientsView::historyMayHaveChanged, board_, &ReturnsBoard::refreshClient);
    connect(board_, &ReturnsBoard::newReturnRequested, view_, &CClientsView::newReturnFor);
}

void CMainFrame::showView(QWidget* page) {
    views_->setCurrentWidget(page);
    page->setFocus();
}

void CMainFrame::listClientsOnBoard() {
    std::vector<BoardClient> clients;
    const ClientList& list = view_->clients();
    clients.reserve(size_t(list.size()));
    for (int row = 0; row < list.size(); ++row)
        clients.push_back({list.nameAt(row), list.at(row).path});
    board_->setClients(std::move(clients));
}

void CMainFrame::prepareDefaultClientFolder() {
    const QString defaultFolder = OptionsSettings::defaultClientDataPath(ProgramFolder::path());
    if (ClientDataFolder::ensureDefault(options_.clientDataPath, defaultFolder))
        return;
    MessageBoxes::current().inform(
        this,
        QStringLiteral("The folder for clients data \"%1\" could not be created.\nPlease choose "
                       "another folder under Edit > Preferences > General.")
            .arg(options_.clientDataPath),
        MessageIcon::Warning);
}

void CMainFrame::showSplash() {
    auto* splash = new SplashPicture(this);
    connect(splash, &SplashPicture::closed, this, [this] {
        update();
        QMetaObject::invokeMethod(this, &CMainFrame::onPostStart, Qt::QueuedConnection);
    });
    splash->showCentred();
}

template <typename Receiver, typename Slot>
QAction* CMainFrame::addCommand(QMenu* menu, const QString& text, const char* name,
                                const QString& prompt, const Receiver* receiver, Slot slot) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(prompt);
    connect(action, &QAction::triggered, receiver, slot);
    if (menu)
        menu->addAction(action);
    return action;
}

void CMainFrame::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("&New Client..."), "newClient",
               QStringLiteral("Create a new client"), view_, &CClientsView::newClient)
        ->setShortcut(QKeySequence::New);
    modifyClient_ = addCommand(file, QStringLiteral("&Modify Client..."), "modifyClient",
                               QStringLiteral("Change the selected client"), view_,
                               &CClientsView::modifyClient);
    deleteClient_ = addCommand(file, QStringLiteral("&Delete Client"), "deleteClient",
                               QStringLiteral("Delete the selected client"), view_,
                               &CClientsView::deleteClient);
    deleteClient_->setShortcut(QKeySequence::Delete);
    file->addSeparator();
    newReturn_ = addCommand(file, QStringLiteral("New &Return..."), "newReturn",
                            QStringLiteral("Prepare a new return for the selected client"), view_,
                            &CClientsView::newReturn);
    importTemplate_ =
        addCommand(file, QStringLiteral("Save Import &Template..."), "saveImportTemplate",
                   QStringLiteral("Save a file for the selected client's figures to be filled in "
                                  "and imported"),
                   view_, &CClientsView::saveImportTemplate);
    file->addSeparator();
    addCommand(file, QStringLiteral("&Exit"), "exit", QStringLiteral("Quit Vantrobe"), this,
               &QWidget::close)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* preferences =
        menuBar()->addMenu(QStringLiteral("&Edit"))->addMenu(QStringLiteral("Prefere&nces"));
    addCommand(preferences, QStringLiteral("&General..."), "options",
               QStringLiteral("Change the client data folder and the program's options"), this,
               &CMainFrame::onOptions);
    addCommand(preferences, QStringLiteral("&Tax Preparer Info..."), "preparerInfo",
               QStringLiteral("Change the tax preparer's name, address and phone number"), this,
               &CMainFrame::onPreparerInfo);
    addCommand(preferences, QStringLiteral("&Default Transmittal Letter Setup"),
               "defaultLetterSetup", QStringLiteral("Edit the default transmittal letter"), this,
               &CMainFrame::onDefaultLetterSetup);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    addCommand(view, QStringLiteral("C&lient List"), "showClients",
               QStringLiteral("Show the list of clients"), this, [this] { showView(view_); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    addCommand(view, QStringLiteral("&Returns Due"), "showReturnsDue",
               QStringLiteral("Show every client's next return, its due date and its state"), this,
               [this] { showView(board_); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    view->addSeparator();
    addCommand(view, QStringLiteral("&Sales Tax Tables..."), "salesTaxTables",
               QStringLiteral("Look up locations and rates in the sales tax tables"), this,
               &CMainFrame::onSalesTaxTables);
    calendar_ = addCommand(view, QStringLiteral("&Calendar..."), "calendar",
                           QStringLiteral("Show the calendar"), this, &CMainFrame::onCalendar);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    backup_ =
        addCommand(tools, QStringLiteral("&Backup Client Data..."), "backup",
                   QStringLiteral("Backup Client Data"), this, &CMainFrame::onBackupClientData);
    restore_ =
        addCommand(tools, QStringLiteral("&Restore Client Data..."), "restore",
                   QStringLiteral("Restore Client Data"), this, &CMainFrame::onRestoreClientData);
    addCommand(tools, QStringLiteral("&Check For New Updates"), "checkForUpdates",
               QStringLiteral("Look for a newer version of Vantrobe"), this,
               &CMainFrame::onCheckForUpdates);
    QMenu* advanced = tools->addMenu(QStringLiteral("&Advanced"));
    addCommand(advanced, QStringLiteral("&Reset Default Transmittal Letter"), "resetDefaultLetter",
               QStringLiteral("Bring back the original default transmittal letter"), this,
               &CMainFrame::onResetDefaultLetter);
    addCommand(advanced, QStringLiteral("R&eset Transmittal Letter For All Clients"),
               "resetAllClientLetters",
               QStringLiteral("Give every client the default transmittal letter again"), this,
               &CMainFrame::onResetAllClientLetters);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(help, QStringLiteral("Vantrobe &Help"), "help",
               QStringLiteral("Open the Vantrobe help"), this, &CMainFrame::onHelp)
        ->setShortcut(QKeySequence::HelpContents);
    addCommand(help, QStringLiteral("Vantrobe on the &Web"), "webSite",
               QStringLiteral("Visit the Vantrobe web site"), this, &CMainFrame::onWebSite);
    help->addSeparator();
    about_ = addCommand(help, QStringLiteral("&About Vantrobe"), "about",
                        QStringLiteral("About Vantrobe"), this, &CMainFrame::onAbout);
    calculator_ = addCommand(nullptr, QStringLiteral("Calculator"), "calculator",
                             QStringLiteral("Run Calculator"), this, &CMainFrame::onCalculator);
}

void CMainFrame::createToolBar() {
    auto* toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar->setObjectName(QStringLiteral("mainToolBar"));
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const QList<std::tuple<QAction*, QIcon, QString>> buttons = {
        {backup_, Icons::backup(), QStringLiteral("Backup")},
        {restore_, Icons::restore(), QStringLiteral("Restore")},
        {calendar_, Icons::calendar(), QStringLiteral("Calendar")},
        {calculator_, Icons::calculator(), QStringLiteral("Calculator")},
        {about_, Icons::about(), QStringLiteral("About")}};
    for (const auto& [action, icon, tip] : buttons) {
        action->setIcon(icon);
        action->setToolTip(tip);
        toolBar->addAction(action);
        if (action == restore_ || action == calculator_)
            toolBar->addSeparator();
    }
    addToolBar(Qt::TopToolBarArea, toolBar);
}

void CMainFrame::createStatusBar() {
    auto* ready = new QLabel(QStringLiteral("Ready"), this);
    statusBar()->addWidget(ready, 1);
    for (const char* name : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QLatin1String(name));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        statusBar()->addPermanentWidget(pane);
        lockKeyPanes_ << pane;
    }
    // Where the windowing system does not tell the lock state, the panes would stay empty.
    if (!readLockKeyState()) {
        for (QLabel* pane : lockKeyPanes_)
            pane->hide();
        return;
    }
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &CMainFrame::updateLockKeyPanes);
    poll->start(kLockKeyPollMs);
    updateLockKeyPanes();
}

void CMainFrame::updateLockKeyPanes() {
    const LockKeyState state = readLockKeyState().value_or(LockKeyState{});
    const bool on[] = {state.caps, state.num, state.scroll};
    for (int index = 0; index < lockKeyPanes_.size(); ++index) {
        QLabel* pane = lockKeyPanes_[index];
        pane->setText(on[index] ? pane->objectName() : QString());
    }
}

void CMainFrame::updateCommandStates() {
    const bool selected = view_->hasSelection();
    modifyClient_->setEnabled(selected);
    deleteClient_->setEnabled(selected);
    newReturn_->setEnabled(selected);
    importTemplate_->setEnabled(selected);
    backup_->setEnabled(view_->clientCount() > 0);
}

void CMainFrame::onOptions() {
    OptionsDialog dialog(options_, mail_, this);
    if (dialog.exec() == QDialog::Accepted && dialog.clientFolderChanged())
        view_->loadClients(options_.clientDataPath);
}

void CMainFrame::onPreparerInfo() {
    PreparerInfoDialog dialog(document_.preparerInfo(), this);
    dialog.exec();
}

void CMainFrame::onDefaultLetterSetup() {
    editDefaultLetter(this);
}

void CMainFrame::onResetDefaultLetter() {
    resetDefaultLetterCommand(this);
}

void CMainFrame::onResetAllClientLetters() {
    resetAllClientLettersCommand(this, options_.clientDataPath);
}

void CMainFrame::onCalendar() {
    CalendarDialog dialog(this);
    dialog.exec();
}

void CMainFrame::onCalculator() {
    DesktopCommands::runCalculator(this);
}

void CMainFrame::onHelp() {
    DesktopCommands::openHelp(this);
}

void CMainFrame::onWebSite() {
    DesktopCommands::openWebSite(this);
}

void CMainFrame::onAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void CMainFrame::onSalesTaxTables() {
    showTaxTablesDialog(this, document_.taxTable());
}

void CMainFrame::onBackupClientData() {
    backupClientCommand(this, view_->clients(), options_.clientDataPath);
}

void CMainFrame::onRestoreClientData() {
    const int row = restoreClientCommand(this, view_->clients(), options_.clientDataPath);
    if (row >= 0)
        view_->showClients(row);
}

void CMainFrame::onCheckForUpdates() {
    UpdateCommands::checkForUpdates(this, options_);
}

void CMainFrame::onAutomaticUpdateCheck() {
    UpdateCommands::automaticCheck(this, options_);
}

void CMainFrame::onPostStart() {
    if (const auto warning = DiskSpaceCheck::warning(options_.clientDataPath))
        MessageBoxes::current().inform(this, *warning, MessageIcon::Stop);
    emit postStartCheckDone();
}
