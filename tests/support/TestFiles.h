#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for tests.
namespace TestFiles {
// The bytes of the file; empty when it cannot be read.
QByteArray readAll(const QString& path);
// Replaces the file's content with `bytes`; fails the current test when it cannot be opened.
void writeAll(const QString& path, const QByteArray& bytes);
} // namespace TestFiles
