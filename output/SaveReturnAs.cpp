#include "output/ExportCommands.h"
#include "output/ExportProgress.h"
#include "output/ExportPrompts.h"
#include "platform/SafeWrite.h"
#include "settings/ExportSettings.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

enum class SaveFormat { Pdf, Document, Unknown };

SaveFormat formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return SaveFormat::Pdf;
    if (suffix == QLatin1String("doc"))
        return SaveFormat::Document;
    return SaveFormat::Unknown;
}

// A new file with the bytes of the preview document, written in full or not at all.
bool copyDocument(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return !SafeWrite::replace(to, source.readAll()).has_value();
}

} // namespace

void saveReturnAs(QWidget* parent, const PreviewContext& context,
                  const QString& previewDocumentPath) {
    QString path = ExportPrompts::saveFileName(parent);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    bool saved = false;
    switch (formatOf(path)) {
    case SaveFormat::Pdf: {
        const ExportOutcome outcome = exportPdfWithProgress(parent, path, context.pages);
        if (outcome == ExportOutcome::Cancelled)
            return;
        saved = outcome == ExportOutcome::Written;
        break;
    }
    case SaveFormat::Document:
        saved = copyDocument(previewDocumentPath, path);
        break;
    case SaveFormat::Unknown:
        MessageBoxes::current().inform(
            parent,
            QStringLiteral("A return can be saved as a PDF document (.pdf) or a Word document "
                           "(.doc).\nPlease choose a name ending in .pdf or .doc."),
            MessageIcon::Warning);
        return;
    }
    if (!saved) {
        MessageBoxes::current().inform(parent, QStringLiteral("Save Failed!"), MessageIcon::Stop);
        return;
    }
    ExportSettings().lastFolder = QFileInfo(path).absolutePath();
    MessageBoxes::current().inform(
        parent, QStringLiteral("The return was saved as\n%1").arg(QDir::toNativeSeparators(path)),
        MessageIcon::Information);
}
