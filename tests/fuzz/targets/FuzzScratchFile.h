#pragma once

#include <QByteArray>
#include <QString>

// The readers that take a path get the fuzz input through a file of this process's own in
// the temporary folder, written anew for every input and removed when the process ends.
namespace FuzzScratchFile {
// Writes the bytes to the scratch file called `name` and returns its path.
QString write(const QString& name, const QByteArray& bytes);
// A path in the same folder for a file the reader writes.
QString path(const QString& name);
} // namespace FuzzScratchFile
