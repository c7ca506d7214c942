#pragma once

#include <QByteArray>
#include <QString>

// The text of a figure file: UTF-8 (with or without its byte order mark) or, when the bytes are
// not UTF-8, Windows-1252. Files that are no CSV text (workbooks, UTF-16 text, binary files)
// and files larger than a file of figures can be are refused with a sentence saying why.
namespace FigureText {
// One row per location of at most 40 is far below this.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

struct Decoded {
    QString text;
    QString encoding; // "UTF-8" or "Windows-1252"
    QString problem;  // empty when `text` was read
};

Decoded decode(const QByteArray& bytes);
// The file's size is checked before a byte is read.
Decoded readFile(const QString& path);
} // namespace FigureText
