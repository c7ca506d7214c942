#include "wizards/return/FigureFileCommands.h"

#include "platform/SafeWrite.h"
#include "returns/import/FigureCsv.h"
#include "ui/MessageBoxes.h"
#include "wizards/return/ImportProblemsDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {
void saveFigureFile(QWidget* parent, const std::vector<QStringList>& rows, const char* what) {
    const QString path = MessageBoxes::current().chooseSaveFile(
        parent, {QStringLiteral("CSV files (*.csv)")}, QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    if (const std::optional<QString> failure = SafeWrite::replace(path, FigureCsv::utf8File(rows)))
        MessageBoxes::current().inform(
            parent,
            QStringLiteral("The %1 could not be saved as \"%2\": %3")
                .arg(QLatin1String(what), QDir::toNativeSeparators(path), *failure),
            MessageIcon::Stop);
}
} // namespace

void saveImportTemplate(QWidget* parent, const ClientRecord& client) {
    saveFigureFile(parent, FigureCsv::templateRows(client), "import template");
}

void exportEnteredFigures(QWidget* parent, const ClientRecord& client,
                          const std::vector<QJsonObject>& entries) {
    saveFigureFile(parent, FigureCsv::figureRows(client, entries), "figures");
}

QPushButton* makeExportFiguresButton() {
    auto* button = new QPushButton(QStringLiteral("E&xport Figures\u2026"));
    button->setObjectName(QStringLiteral("exportFigures"));
    button->setToolTip(QStringLiteral("Save the figures of this return as a CSV file that can be "
                                      "imported again"));
    button->setAutoDefault(false);
    return button;
}

void showImportProblems(QWidget* parent, const QString& path, const QString& fileProblem,
                        const std::vector<ImportProblem>& problems) {
    const QString file = QFileInfo(path).fileName();
    if (!fileProblem.isEmpty()) {
        MessageBoxes::current().inform(
            parent,
            QStringLiteral("Nothing was imported from \u201c%1\u201d.\n\n%2")
                .arg(file, fileProblem),
            MessageIcon::Warning);
        return;
    }
    ImportProblemsDialog dialog(file, problems, parent);
    dialog.exec();
}
