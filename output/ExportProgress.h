#pragma once

#include "forms/PageEntry.h"

#include <QString>

class QWidget;

enum class ExportOutcome { Written, Failed, Cancelled };

// Writes the pages as a PDF with a progress window that shows the pages done when the export
// takes longer than a moment; its Cancel button stops the export and removes what was begun.
ExportOutcome exportPdfWithProgress(QWidget* parent, const QString& pdfPath, const PageList& pages);
