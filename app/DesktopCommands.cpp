#include "app/DesktopCommands.h"

#include "platform/DataFiles.h"
#include "ui/MessageBoxes.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
const QString kNoBrowser = QStringLiteral(
    "No web browser is set up on this desktop to open it. Please install or choose a default "
    "web browser and try again.");

#if defined(Q_OS_WIN)
const QStringList kCalculators = {QStringLiteral("calc.exe")};
#else
const QStringList kCalculators = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                  QStringLiteral("galculator"), QStringLiteral("xcalc")};
#endif

void tell(QWidget* parent, const QString& text) {
    MessageBoxes::current().inform(parent, text, MessageIcon::Information);
}
} // namespace

void DesktopCommands::runCalculator(QWidget* parent) {
    for (const QString& program : kCalculators) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty() && QProcess::startDetached(found, {}))
            return;
    }
    tell(parent, QStringLiteral("No calculator program was found on this computer.\nVantrobe "
                                "starts the first of these it finds: %1.")
                     .arg(kCalculators.join(QStringLiteral(", "))));
}

QString DesktopCommands::helpFilePath() {
    return DataFiles::locate(QLatin1String(kHelpFileName));
}

void DesktopCommands::openHelp(QWidget* parent) {
    const QFileInfo help(helpFilePath());
    if (!help.isFile()) {
        tell(parent, QStringLiteral("The Vantrobe help file \"%1\" is missing.")
                         .arg(QLatin1String(kHelpFileName)));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(help.absoluteFilePath())))
        tell(parent, QStringLiteral("The Vantrobe help (%1) could not be shown.\n")
                             .arg(QDir::toNativeSeparators(help.absoluteFilePath())) +
                         kNoBrowser);
}

void DesktopCommands::openWebSite(QWidget* parent) {
    if (!QDesktopServices::openUrl(QUrl(QLatin1String(kWebSite))))
        tell(parent, QStringLiteral("The Vantrobe web site (%1) could not be shown.\n")
                             .arg(QLatin1String(kWebSite)) +
                         kNoBrowser);
}
