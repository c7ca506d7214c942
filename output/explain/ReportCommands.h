#pragma once

class QWidget;
struct PreparedReturn;
struct ReportDocument;

// The commands of the pages printed beside a return (explanations, filing sheet) and of the
// return's data, with their messages.
namespace ReportCommands {
// Prints the document's pages on the printer the preparer chooses; says so when it fails.
void print(QWidget* parent, const ReportDocument& document);
// Saves the document's pages as a PDF with its text kept as text under the name the preparer
// chooses; "Save Failed!" when it cannot be written, nothing when cancelled.
void saveAsPdf(QWidget* parent, const ReportDocument& document);
// "Export Return Data": the preparer chooses a name; the return's data is written as
// <name>.json and <name>.csv, each in full or not at all, and the message names both files.
void exportReturnData(QWidget* parent, const PreparedReturn& prepared);
} // namespace ReportCommands
