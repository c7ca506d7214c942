#include "output/explain/ReportCommands.h"

#include "forms/preview/PagePrinter.h"
#include "forms/report/ReportPages.h"
#include "platform/SafeWrite.h"
#include "returns/report/ReturnData.h"
#include "returns/report/ReturnDataCsv.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QPrinter>

namespace {
void informFailure(QWidget* parent, const QString& text) {
    MessageBoxes::current().inform(parent, text, MessageIcon::Stop);
}
} // namespace

void ReportCommands::print(QWidget* parent, const ReportDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    if (!MessageBoxes::current().choosePrinter(parent, printer))
        return;
    WaitCursor wait;
    const PageList pages = reportPages(document);
    if (pages.empty() || !printPages(pages, printer))
        informFailure(parent,
                      QStringLiteral("The pages could not be printed. Please check the printer."));
}

void ReportCommands::saveAsPdf(QWidget* parent, const ReportDocument& document) {
    const QString path = MessageBoxes::current().chooseSaveFile(
        parent, {QStringLiteral("PDF document (*.pdf)")}, QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    WaitCursor wait;
    const QByteArray pdf = reportPdf(document);
    if (pdf.isEmpty() || SafeWrite::replace(path, pdf))
        informFailure(parent, QStringLiteral("Save Failed!"));
}

void ReportCommands::exportReturnData(QWidget* parent, const PreparedReturn& prepared) {
    const QString chosen = MessageBoxes::current().chooseSaveFile(
        parent, {QStringLiteral("Return data, JSON and CSV (*.json)")}, QStringLiteral("json"));
    if (chosen.isEmpty())
        return;
    const QFileInfo file(chosen);
    const QString base = file.dir().filePath(file.completeBaseName());
    const QString json = base + QStringLiteral(".json");
    const QString csv = base + QStringLiteral(".csv");
    std::optional<QString> error = SafeWrite::replace(
        json, QJsonDocument(ReturnData::document(prepared)).toJson(QJsonDocument::Indented));
    if (!error)
        error = SafeWrite::replace(csv, returnDataCsv(prepared));
    if (error) {
        informFailure(parent,
                      QStringLiteral("The return's data could not be saved.\n%1").arg(*error));
        return;
    }
    MessageBoxes::current().inform(
        parent,
        QStringLiteral("The return's data was saved as\n%1\nand\n%2")
            .arg(QDir::toNativeSeparators(json), QDir::toNativeSeparators(csv)),
        MessageIcon::Information);
}
