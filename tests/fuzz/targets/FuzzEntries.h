#pragma once

#include <QByteArray>

// The entry function of every fuzz target. Each feeds the bytes to one reader of the program
// and does with the result what the program does with it. None may crash, trip a sanitizer's
// check, or run for long, whatever the bytes.
namespace FuzzEntries {
// A client file read, and written back when it reads.
void clientFile(const QByteArray& input);
// A sales tax table loaded, every line parsed and a location looked up.
void taxTable(const QByteArray& input);
// A page image checked, drawn at 200 dpi and played onto a small picture.
void emfPlayer(const QByteArray& input);
// A page image loaded as a form page: placeholders searched, every field blanked and written.
void formPage(const QByteArray& input);
// RTF read into a document and written out again.
void rtfReader(const QByteArray& input);
// A letter template with its keywords replaced by hostile values.
void letterKeywords(const QByteArray& input);
// An older history file read with every stored return, and its archives decoded.
void historyReader(const QByteArray& input);
// A history file opened, checked and listed as the history dialog does, every entry extracted.
void historyFile(const QByteArray& input);
// A zip archive unpacked as a history entry's pages and as an update.
void archive(const QByteArray& input);
// An update server's version file read as the update check reads it.
void versionFile(const QByteArray& input);
// The manifest of a signed update archive read as the update reads it.
void updateManifest(const QByteArray& input);
} // namespace FuzzEntries
