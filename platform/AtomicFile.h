#pragma once

#include <QByteArray>
#include <QString>

// Whole files written safely: the bytes go to a temporary file beside the target, which is
// renamed over it only when everything was written, so the target is either the old file or
// the complete new one, never half of it.
namespace AtomicFile {
bool write(const QString& path, const QByteArray& bytes);
} // namespace AtomicFile
