#include "output/ExportProgress.h"

#include "forms/export/PdfExport.h"
#include "forms/mail/MailDelivery.h"

#include <QEventLoop>
#include <QProgressDialog>

namespace {
constexpr int kShowAfterMilliseconds = 400;

// A window-modal progress window that shows itself when the work takes longer than a moment
// and stays until its owner closes it.
void setUp(QProgressDialog& progress, const QString& title) {
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowAfterMilliseconds);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
}
} // namespace

ExportOutcome exportPdfWithProgress(QWidget* parent, const QString& pdfPath,
                                    const PageList& pages) {
    const int count = int(pages.size());
    QProgressDialog progress(QStringLiteral("Saving the return as PDF..."),
                             QStringLiteral("Cancel"), 0, count, parent);
    setUp(progress, QStringLiteral("Save As"));
    PdfExportOptions options;
    options.progress = [&progress](int done, int total) {
        progress.setLabelText(QStringLiteral("Saving page %1 of %2...").arg(done).arg(total));
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    if (exportPdf(pdfPath, pages, count, options))
        return ExportOutcome::Written;
    return progress.wasCanceled() ? ExportOutcome::Cancelled : ExportOutcome::Failed;
}

MailResult deliverWithProgress(QWidget* parent, MailDelivery& delivery, const QString& recipient) {
    constexpr int kSteps = 100;
    QProgressDialog progress(QStringLiteral("Sending the return to %1...").arg(recipient),
                             QStringLiteral("Cancel"), 0, kSteps, parent);
    setUp(progress, QStringLiteral("E-mail"));
    progress.setValue(0);
    QEventLoop waiting;
    QObject::connect(&delivery, &MailDelivery::progressed, &progress,
                     [&progress](qint64 sent, qint64 total) {
                         if (total > 0)
                             progress.setValue(int(sent * (kSteps - 1) / total));
                     });
    QObject::connect(&delivery, &MailDelivery::finished, &waiting, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, &delivery, &MailDelivery::cancel,
                     Qt::DirectConnection);
    delivery.start();
    waiting.exec();
    return delivery.result();
}
