#pragma once

#include <QByteArray>
#include <QString>

// The placeholder search over a page image: the byte offset of the first occurrence of the
// text as UTF-16LE code units, at any byte offset, or -1. Texts of more than 128 characters
// are never found.
namespace PlaceholderSearch {
QByteArray utf16Bytes(const QString& text);
qsizetype find(const QByteArray& image, const QString& placeholder);
// Whether the placeholder stands at that offset.
bool standsAt(const QByteArray& image, const QString& placeholder, qsizetype position);
} // namespace PlaceholderSearch
