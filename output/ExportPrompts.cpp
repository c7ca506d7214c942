#include "output/ExportPrompts.h"

#include "output/MailComposeDialog.h"
#include "settings/ExportSettings.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QStandardPaths>

ExportPrompts::Handlers& ExportPrompts::handlers() {
    static Handlers installed;
    return installed;
}

void ExportPrompts::setHandlers(Handlers replacement) {
    handlers() = std::move(replacement);
}

QString ExportPrompts::saveFileName(QWidget* parent) {
    if (handlers().saveFileName)
        return handlers().saveFileName();
    QFileDialog chooser(parent, QStringLiteral("Save As"));
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilters(
        {QStringLiteral("PDF document (*.pdf)"), QStringLiteral("Word document (*.doc)")});
    chooser.setDirectory(saveFolder());
    chooser.selectFile(QStringLiteral("*.PDF"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().first();
}

QString ExportPrompts::saveFolder() {
    const QString lastFolder = ExportSettings().lastFolder;
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        return lastFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool ExportPrompts::compose(QWidget* parent, MailDraft& draft) {
    if (handlers().compose)
        return handlers().compose(draft);
    MailComposeDialog dialog(draft, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    draft = dialog.draft();
    return true;
}

std::optional<QString> ExportPrompts::password(QWidget* parent, const QString& user,
                                               const QString& server) {
    if (handlers().password)
        return handlers().password(user, server);
    bool accepted = false;
    const QString password = QInputDialog::getText(
        parent, QStringLiteral("E-mail"), QStringLiteral("Password of %1 on %2:").arg(user, server),
        QLineEdit::Password, {}, &accepted);
    if (!accepted)
        return std::nullopt;
    return password;
}
