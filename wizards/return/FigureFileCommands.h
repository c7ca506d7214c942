#pragma once

#include "returns/import/FigureImport.h"

#include <QJsonObject>
#include <QString>
#include <vector>

class QPushButton;
class QWidget;
struct ClientRecord;

// The commands around files of figures, with their messages.

// "Save Import Template": the client's template (FigureCsv::templateRows) where the preparer
// chooses; says so when it cannot be written.
void saveImportTemplate(QWidget* parent, const ClientRecord& client);

// "Export Figures": the figures entered for the client's return in the layout of the import
// (FigureCsv::figureRows), where the preparer chooses.
void exportEnteredFigures(QWidget* parent, const ClientRecord& client,
                          const std::vector<QJsonObject>& entries);

// The summary steps' button for exportEnteredFigures.
QPushButton* makeExportFiguresButton();

// Tells the preparer that nothing was imported from `path`: the file's problem in a message,
// or every problem of its rows in a list.
void showImportProblems(QWidget* parent, const QString& path, const QString& fileProblem,
                        const std::vector<ImportProblem>& problems);
