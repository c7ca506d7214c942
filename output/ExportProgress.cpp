#include "output/ExportProgress.h"

#include "forms/export/PdfExport.h"

#include <QProgressDialog>

namespace {
constexpr int kShowAfterMilliseconds = 400;
}

ExportOutcome exportPdfWithProgress(QWidget* parent, const QString& pdfPath,
                                    const PageList& pages) {
    const int count = int(pages.size());
    QProgressDialog progress(QStringLiteral("Saving the return as PDF..."),
                             QStringLiteral("Cancel"), 0, count, parent);
    progress.setWindowTitle(QStringLiteral("Save As"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowAfterMilliseconds);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
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
