#pragma once

#include <QByteArray>
#include <QString>

// Temporary work files: each is a new file with a unique name in the user's temporary folder,
// created exclusively (an existing file is never opened), so two runs or two uses never share
// one. The name starts with the three-letter prefix of its use ("EMF" for page files).
namespace TempFile {
// Creates the empty file and returns its path, or an empty text when none could be created.
// The caller deletes the file when it no longer needs it.
QString create(const QString& prefix, const QString& suffix = {});
// Creates the file with `bytes` as its contents, written through the handle that created it;
// its path, or an empty text (and no file) when it could not be created or written completely.
QString createWith(const QString& prefix, const QByteArray& bytes);
// Creates a new folder that only the user can enter, read and write, for work files that
// belong together; its path, or an empty text when none could be created. The caller removes
// it when it no longer needs it.
QString createFolder(const QString& prefix);
} // namespace TempFile
