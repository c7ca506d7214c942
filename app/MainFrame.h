#pragma once

#include "settings/MailSettings.h"
#include "settings/OptionsSettings.h"

#include <QMainWindow>

class CClientsView;
class ReturnsBoard;
class QTabWidget;
class CGlobalDoc;
class QLabel;

// The program's only top-level window: the menu, a dockable toolbar, the status bar and the
// client list filling the rest. It owns the options (written back when it is destroyed) and
// routes every menu and toolbar command.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr QSize kMinimumSize{632, 400};

    explicit CMainFrame(CGlobalDoc& document, QWidget* parent = nullptr);

    // The creation steps that can fail: the OCR-A font is made available to the forms and
    // the default transmittal letter must exist. False means the program must not start.
    bool create();
    // The first update: the client list reads every client file of the client data folder.
    void initialUpdate();
    // Shows the start-up picture; when it closes, the free-disk-space check runs.
    void showSplash();

    OptionsSettings& options() { return options_; }
    MailSettings& mail() { return mail_; }
    CClientsView* clientsView() const { return view_; }
    ReturnsBoard* returnsBoard() const { return board_; }
    QTabWidget* views() const { return views_; }

public slots:
    void onOptions();
    void onPreparerInfo();
    void onDefaultLetterSetup();
    void onCalendar();
    void onCalculator();
    void onResetDefaultLetter();
    void onResetAllClientLetters();
    void onHelp();
    void onWebSite();
    void onAbout();
    // Commands whose dialogs connect here when they land.
    void onSalesTaxTables();
    void onBackupClientData();
    void onRestoreClientData();
    void onCheckForUpdates();
    // Opens the update dialog when the chosen update frequency's days have passed.
    void onAutomaticUpdateCheck();
    // Runs once the start-up picture has closed: the free-disk-space check.
    void onPostStart();

signals:
    void postStartCheckDone();

private:
    template <typename Receiver, typename Slot>
    QAction* addCommand(QMenu* menu, const QString& text, const char* name, const QString& prompt,
                        const Receiver* receiver, Slot slot);
    void prepareDefaultClientFolder();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateCommandStates();
    void updateLockKeyPanes();
    void createViews();
    void listClientsOnBoard();
    void showView(QWidget* page);

    CGlobalDoc& document_;
    OptionsSettings options_;
    MailSettings mail_;
    CClientsView* view_;
    ReturnsBoard* board_;
    QTabWidget* views_ = nullptr;
    QAction* modifyClient_ = nullptr;
    QAction* deleteClient_ = nullptr;
    QAction* newReturn_ = nullptr;
    QAction* importTemplate_ = nullptr;
    QAction* backup_ = nullptr;
    QAction* restore_ = nullptr;
    QAction* calendar_ = nullptr;
    QAction* calculator_ = nullptr;
    QAction* about_ = nullptr;
    QList<QLabel*> lockKeyPanes_;
};
