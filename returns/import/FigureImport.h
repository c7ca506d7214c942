#pragma once

#include <QByteArray>
#include <QChar>
#include <QJsonObject>
#include <QString>
#include <vector>

struct ClientRecord;

// One thing wrong in a file of figures.
struct ImportProblem {
    int row = 0;    // the row as the spreadsheet shows it (the header is row 1); 0: none
    QString column; // "totalReceipts (C)"; empty when the problem is the row's as a whole
    QString found;  // the value found, or what was found instead of a value
    QString expected;
};

// The figures of one row, as the entry sections of the return (or location) they are for.
struct ImportedRow {
    int location = 0; // the location's row in the client's list; 0 for a single-site client
    int fileRow = 0;
    // "st1", "worksheet", "fuelSales", "st14", "st4", "st8" with every field of the steps
    // the profile calls for, as those steps store them (the total receipts step's 0.01 for 0,
    // methods 0 to 2). "st1" also holds `foodMethod` (1 or 2) and `foodEntered`; with method
    // 2 `foodSalesInside` is worked out when the figures are stored (storeImportedEntries).
    QJsonObject entries;
};

// A file of figures read and checked for a client: every row identified, every cell checked
// as the wizard checks a typed value, and every step's checks made as the wizard makes them
// on Next (the food bounds, the sums that must stay below the total receipts). A file that
// cannot be read as a table of figures at all has `fileProblem`; otherwise every problem of
// every row is listed. The rows are taken only when there is no problem.
struct FigureImport {
    QString fileProblem;
    std::vector<ImportProblem> problems;
    std::vector<ImportedRow> rows; // in the order of the client's locations
    QString encoding;
    QChar separator;

    bool ok() const { return fileProblem.isEmpty() && problems.empty(); }
};

FigureImport readFigureFile(const QString& path, const ClientRecord& client);
FigureImport readFigureBytes(const QByteArray& bytes, const ClientRecord& client);
