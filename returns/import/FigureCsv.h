#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>
#include <vector>

struct ClientRecord;

// Files in the layout of a file of figures (FigureLayout): the template a client's figures are
// filled into, and the figures of a return written back out.
namespace FigureCsv {
// The header of the client's columns and one row per location with its number and name (the
// client's name for a single-site client); the figures are left empty.
std::vector<QStringList> templateRows(const ClientRecord& client);

// The header and a row per location with its figures: `entries[row]` holds the entry sections
// of the location in that row of the client's list (the return's, for a single-site client),
// shaped as ImportedRow::entries: methods 0 to 2, "st1" with `foodMethod` and `foodEntered`.
// An amount of 0 is left empty, except the total receipts.
std::vector<QStringList> figureRows(const ClientRecord& client,
                                    const std::vector<QJsonObject>& entries);

// The bytes of a file: UTF-8 with its byte order mark, which spreadsheet programs take as the
// sign of UTF-8, and commas between the cells.
QByteArray utf8File(const std::vector<QStringList>& rows);
} // namespace FigureCsv
