#include "forms/export/TiffFile.h"

#include <tiffio.h>

namespace {
QIODevice& fileOf(thandle_t handle) {
    return *static_cast<QIODevice*>(handle);
}

tmsize_t readFile(thandle_t handle, void* buffer, tmsize_t size) {
    return tmsize_t(fileOf(handle).read(static_cast<char*>(buffer), qint64(size)));
}

tmsize_t writeFile(thandle_t handle, void* buffer, tmsize_t size) {
    return tmsize_t(fileOf(handle).write(static_cast<const char*>(buffer), qint64(size)));
}

toff_t seekFile(thandle_t handle, toff_t offset, int whence) {
    QIODevice& file = fileOf(handle);
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = file.pos();
    else if (whence == SEEK_END)
        base = file.size();
    const qint64 target = base + qint64(offset);
    return target >= 0 && file.seek(target) ? toff_t(target) : toff_t(-1);
}

// The device belongs to the TiffFile, which closes it after libtiff is done.
int closeFile(thandle_t) {
    return 0;
}

toff_t fileSize(thandle_t handle) {
    return toff_t(fileOf(handle).size());
}

// A file opened only for reading is mapped into memory, so libtiff takes each directory and
// strip from there instead of asking the system for every few bytes. A TIFF in memory, or a
// file being written, is not mapped.
int mapFile(thandle_t handle, void** base, toff_t* size) {
    auto* file = qobject_cast<QFile*>(&fileOf(handle));
    if (!file || file->isWritable())
        return 0;
    const qint64 length = file->size();
    uchar* mapped = length > 0 ? file->map(0, length) : nullptr;
    if (!mapped)
        return 0;
    *base = mapped;
    *size = toff_t(length);
    return 1;
}

void unmapFile(thandle_t handle, void* base, toff_t) {
    if (auto* file = qobject_cast<QFile*>(&fileOf(handle)))
        file->unmap(static_cast<uchar*>(base));
}
} // namespace

TiffFile::TiffFile(const QString& path, Mode mode) : file_(path) {
    // Unbuffered: a failed write shows at once, in the count libtiff checks.
    open(mode == Mode::Read ? QIODevice::ReadOnly | QIODevice::Unbuffered
                            : QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered,
         mode, path);
}

TiffFile::TiffFile(QBuffer& buffer) : device_(&buffer) {
    // Emptied but not released: a buffer used again keeps its memory for the next TIFF.
    buffer.buffer().resize(0);
    open(QIODevice::ReadWrite, Mode::Write, QStringLiteral("memory"));
}

void TiffFile::open(QIODevice::OpenMode openMode, Mode mode, const QString& name) {
    if (!device_->open(openMode))
        return;
    tiff_ =
        TIFFClientOpen(QFile::encodeName(name).constData(), mode == Mode::Read ? "r" : "w", device_,
                       readFile, writeFile, seekFile, closeFile, fileSize, mapFile, unmapFile);
}

TiffFile::~TiffFile() {
    close();
}

bool TiffFile::close() {
    bool flushed = true;
    if (tiff_) {
        flushed = (device_->openMode() & QIODevice::WriteOnly) == 0 || TIFFFlush(tiff_) == 1;
        TIFFClose(tiff_);
        tiff_ = nullptr;
    }
    device_->close();
    return flushed && file_.error() == QFileDevice::NoError;
}
