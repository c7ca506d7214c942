#include "app/DesktopCommands.h"

#include "platform/DataFiles.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

void DesktopCommands::runCalculator() {
#if defined(Q_OS_WIN)
    const QStringList candidates = {QStringLiteral("calc.exe")};
#else
    const QStringList candidates = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                    QStringLiteral("galculator"), QStringLiteral("xcalc")};
#endif
    for (const QString& program : candidates) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty()) {
            QProcess::startDetached(found, {});
            return;
        }
    }
}

QString DesktopCommands::helpFilePath() {
    return DataFiles::locate(QLatin1String(kHelpFileName));
}

void DesktopCommands::openHelp() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(helpFilePath()).absoluteFilePath()));
}

void DesktopCommands::openWebSite() {
    QDesktopServices::openUrl(QUrl(QLatin1String(kWebSite)));
}
