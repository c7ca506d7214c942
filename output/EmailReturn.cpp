#include "forms/mail/DesktopMail.h"
#include "forms/mail/MailDelivery.h"
#include "forms/mail/MailFieldCheck.h"
#include "forms/mail/MailMessage.h"
#include "forms/mail/ReturnMail.h"
#include "output/ExportCommands.h"
#include "output/ExportProgress.h"
#include "output/ExportPrompts.h"
#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "platform/SafeWrite.h"
#include "settings/MailSettings.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

const char kNoMailProgram[] =
    "E-mail cannot be sent from this computer: no mail server is set up for Vantrobe and no "
    "desktop mail program was found.\nSet up the mail server under Edit > Preferences > "
    "General, in the \"Mail\" group.";

// The password of the mail server, asked once per run and never written anywhere.
std::optional<QString>& keptPassword() {
    static std::optional<QString> password;
    return password;
}

// The two attachments as files in a new folder of the run's private temporary folder: the PDF
// named after the client and period, and "Instructions.doc".
struct AttachmentFiles {
    QString folder;
    QString pdf;
    QString instructions;
};

std::optional<AttachmentFiles> writeAttachments(QWidget* parent, const PreviewContext& context,
                                                ExportOutcome& outcome) {
    const QString folder = PrivateTempFolder::createFolder(QStringLiteral("PDF"));
    if (folder.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    AttachmentFiles files{
        folder, dir.filePath(ReturnMail::pdfName(context.businessName(), context.periodText)),
        dir.filePath(QLatin1String(ReturnMail::kInstructionsName))};
    outcome = exportPdfWithProgress(parent, files.pdf, context.pages);
    if (outcome == ExportOutcome::Written &&
        SafeWrite::replace(files.instructions,
                           ReturnMail::instructionsDocument(
                               context.businessName(), context.periodText, context.paymentDue)))
        outcome = ExportOutcome::Failed;
    if (outcome != ExportOutcome::Written) {
        QDir(folder).removeRecursively();
        return std::nullopt;
    }
    return files;
}

std::optional<MailAttachment> readAttachment(const QString& path, const QByteArray& mimeType) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return MailAttachment{QFileInfo(path).fileName(), mimeType, file.readAll()};
}

MailResult sendThroughServer(QWidget* parent, const MailSettings& settings, const MailDraft& draft,
                             const AttachmentFiles& files) {
    SmtpAccount account{
        settings.server.trimmed(), settings.port, settings.useTls != 0, settings.user.trimmed(), {},
        settings.sender.trimmed()};
    account.sendWithoutLoginWhenNotOffered = settings.sendWithoutLogin != 0;
    if (!account.user.isEmpty()) {
        if (!keptPassword())
            keptPassword() = ExportPrompts::password(parent, account.user, account.server);
        if (!keptPassword())
            return {MailFailure::UserCancelled, {}};
        account.password = *keptPassword();
    }
    const auto pdf = readAttachment(files.pdf, "application/pdf");
    const auto instructions = readAttachment(files.instructions, "application/msword");
    if (!pdf || !instructions)
        return {MailFailure::AttachmentUnreadable, {}};
    const MailMessage message{
        account.sender, draft.to, draft.subject, draft.body, {*pdf, *instructions}};
    MailDelivery delivery(account, draft.to, composeMime(message, Clock::now(), newMimeBoundary()));
    const MailResult result = deliverWithProgress(parent, delivery, draft.to);
    if (result.failure == MailFailure::LoginFailed)
        forgetMailPassword();
    return result;
}

void sendDraft(QWidget* parent, const PreviewContext& context, const MailSettings& settings,
               const MailDraft& draft) {
    const QString unsafe = MailFieldCheck::problem(
        MailMessage{settings.sender.trimmed(), draft.to, draft.subject, {}, {}});
    if (!unsafe.isEmpty()) {
        MessageBoxes::current().inform(parent, unsafe, MessageIcon::Warning);
        return;
    }
    ExportOutcome outcome = ExportOutcome::Failed;
    const std::optional<AttachmentFiles> files = writeAttachments(parent, context, outcome);
    if (outcome == ExportOutcome::Cancelled)
        return;
    if (!files) {
        MessageBoxes::current().inform(parent, QStringLiteral("Failed to create PDF file."),
                                       MessageIcon::Stop);
        return;
    }
    if (settings.server.trimmed().isEmpty()) {
        // The mail program reads the files after we return, so they stay until the run's
        // private temporary folder goes at its end.
        if (!DesktopMail::compose(draft.to, draft.subject, draft.body,
                                  {files->pdf, files->instructions}))
            MessageBoxes::current().inform(parent, QLatin1String(kNoMailProgram),
                                           MessageIcon::Stop);
        return;
    }
    const MailResult result = sendThroughServer(parent, settings, draft, *files);
    QDir(files->folder).removeRecursively();
    if (result.ok())
        MessageBoxes::current().inform(parent,
                                       QStringLiteral("The return was sent to %1.").arg(draft.to),
                                       MessageIcon::Information);
    else
        MessageBoxes::current().inform(parent, mailFailureText(result), MessageIcon::Stop);
}

} // namespace

void emailReturn(QWidget* parent, const PreviewContext& context) {
    const MailSettings settings;
    if (!mailAvailable(settings)) {
        MessageBoxes::current().inform(parent, QLatin1String(kNoMailProgram), MessageIcon::Stop);
        return;
    }
    MailDraft draft{context.clientEmail(), ReturnMail::subject(context.periodText),
                    ReturnMail::body(context.businessName()),
                    ReturnMail::pdfName(context.businessName(), context.periodText) +
                        QStringLiteral(", ") + QLatin1String(ReturnMail::kInstructionsName)};
    if (ExportPrompts::compose(parent, draft))
        sendDraft(parent, context, settings, draft);
}

void forgetMailPassword() {
    keptPassword().reset();
}
