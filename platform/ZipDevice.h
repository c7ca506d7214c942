#pragma once

#include <minizip/unzip.h>
#include <minizip/zip.h>

class QIODevice;

// minizip reads and writes its archives through an open QIODevice instead of a path: an
// archive in memory (QBuffer) or a file Qt opened, whatever characters its path holds (on
// Windows minizip's own opener takes only the local 8-bit encoding of a path). The device
// must stay open while the archive is; closing the archive leaves the device open.
namespace ZipDevice {
// An archive read from a device open for reading; null when it is not a zip archive.
unzFile openForReading(QIODevice& device);
// A new archive written to a device open for writing; null when it cannot be started.
zipFile openForWriting(QIODevice& device);
} // namespace ZipDevice
