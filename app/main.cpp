// The program's entry point: the Qt application object, then start-up in its fixed order.
#include "app/MainFrame.h"
#include "app/PreparerApp.h"
#include "platform/PrivateTempFolder.h"
#include "update/updater/StagedInstall.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    // An update whose installer was cut short is put back before the program uses its folder.
    StagedInstall::recoverInterrupted(QApplication::applicationDirPath());
    // What a killed earlier run left in its private temporary folder (a half-written TIFF,
    // viewed pages) goes before this run makes its own.
    PrivateTempFolder::removeLeftovers(QDir::tempPath());
    CPreparerApp application;
    if (!application.initInstance())
        return 1;
    // The automatic update check belongs to a real start only, so tests never meet it: once
    // the start-up checks are done.
    CMainFrame* mainFrame = application.mainFrame();
    QObject::connect(mainFrame, &CMainFrame::postStartCheckDone, mainFrame,
                     &CMainFrame::onAutomaticUpdateCheck, Qt::SingleShotConnection);
    return QApplication::exec();
}
