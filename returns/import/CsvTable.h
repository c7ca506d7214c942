#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A table of text cells as a spreadsheet saves it in a CSV file: one record per line, cells
// between separators, a cell in double quotes may hold separators, line breaks and doubled
// quotes. The separator is found in the first line: a comma, a semicolon or a tab, whichever
// occurs most often outside quotes (a comma when there is none).
struct CsvTable {
    QChar separator = QLatin1Char(',');
    // Every record, the first one (the header) included; a record's row number as the
    // spreadsheet shows it is its index + 1.
    std::vector<QStringList> rows;
    // Empty, or why the text could not be read (a quote never closed), with `problemRow`.
    QString problem;
    int problemRow = 0;
};

CsvTable parseCsv(const QString& text);

// The text of `rows` with `separator` between cells and CRLF after each record; a cell is
// quoted when it holds the separator, a quote, a line break or spaces at either end.
QString formatCsv(const std::vector<QStringList>& rows, QChar separator);
