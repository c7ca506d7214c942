#include "platform/SafeUnzip.h"
#include "targets/FuzzEntries.h"
#include "targets/FuzzScratchFile.h"

#include <QDir>

namespace {
// Small caps keep a bomb from filling the disk while every refusal path is still reached.
const SafeUnzip::Limits kLimits{64, qint64(4) << 20};

QString emptiedFolder(const QString& name) {
    const QString path = FuzzScratchFile::path(name);
    QDir(path).removeRecursively();
    return path;
}
} // namespace

// The program's one unpacker reads the same bytes as both of its users do: the pages of a
// history entry (flat) and the update archive (with its folders).
void FuzzEntries::archive(const QByteArray& input) {
    SafeUnzip::unpack(input, emptiedFolder(QStringLiteral("pages")), SafeUnzip::Layout::Flat,
                      kLimits);
    SafeUnzip::unpack(input, emptiedFolder(QStringLiteral("update")),
                      SafeUnzip::Layout::KeepFolders, kLimits);
}
