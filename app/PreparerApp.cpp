#include "app/PreparerApp.h"

#include "app/ClientsView.h"
#include "app/GlobalDoc.h"
#include "app/MainFrame.h"
#include "platform/DataFiles.h"
#include "platform/Version.h"
#include "settings/SettingsStore.h"
#include "ui/Icons.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStyle>
#include <algorithm>

StartupFiles StartupFiles::standard() {
    return {DataFiles::locate(QStringLiteral("Data.tbl")),
            QDir::current().filePath(QStringLiteral("ErrorLog.txt"))};
}

QRect CPreparerApp::normalGeometry(const QRect& available, const QWidget& window) {
    constexpr int kFrame = 4;
    const int titleBar = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight),
                                  2 * window.fontMetrics().height());
    return available.adjusted(kFrame, titleBar + kFrame, -kFrame, -kFrame);
}

CPreparerApp::CPreparerApp(StartupFiles files) : files_(std::move(files)) {}

CPreparerApp::~CPreparerApp() {
    // Closing the document releases the listed clients before the windows go.
    if (mainFrame_)
        mainFrame_->clientsView()->removeAllClients();
}

bool CPreparerApp::initInstance() {
    QApplication::setOrganizationName(QLatin1String(SettingsStore::kOrganization));
    QApplication::setApplicationName(QLatin1String(SettingsStore::kApplication));
    QApplication::setApplicationVersion(QLatin1String(kVersionText));
    QApplication::setWindowIcon(Icons::program());

    document_ = std::make_unique<CGlobalDoc>();
    mainFrame_ = std::make_unique<CMainFrame>(*document_);
    document_->setOptions(&mainFrame_->options());
    if (!mainFrame_->create() || !loadSharedData()) {
        mainFrame_.reset();
        return false;
    }
    mainFrame_->initialUpdate();
    // The available area first, so the window fills the screen even where no window manager
    // honours the maximized state; restored to normal size it keeps its title bar on screen.
    if (const QScreen* screen = mainFrame_->screen())
        mainFrame_->setGeometry(normalGeometry(screen->availableGeometry(), *mainFrame_));
    mainFrame_->showMaximized();
    mainFrame_->repaint();
    // Created when missing, never truncated; the program writes nothing into it.
    errorLog_.setFileName(files_.errorLog);
    errorLog_.open(QIODevice::WriteOnly | QIODevice::Append);
    mainFrame_->showSplash();
    return true;
}

bool CPreparerApp::loadSharedData() {
    const CGlobalDoc::LoadResult result = [this] {
        WaitCursor wait;
        return document_->loadSharedData(files_.taxTable);
    }();
    switch (result) {
    case CGlobalDoc::LoadResult::Loaded:
        return true;
    case CGlobalDoc::LoadResult::FormPagesFailed:
        MessageBoxes::current().inform(nullptr, QStringLiteral("Application Can't Run"),
                                       MessageIcon::Stop);
        return false;
    case CGlobalDoc::LoadResult::TaxTableFailed:
        MessageBoxes::current().inform(nullptr, QStringLiteral("Loading sales tax tables failed."),
                                       MessageIcon::Stop);
        return false;
    }
    return false;
}
