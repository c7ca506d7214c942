#include "forms/export/TiffFile.h"

#include <tiffio.h>

namespace {
QFile& fileOf(thandle_t handle) {
    return *static_cast<QFile*>(handle);
}

tmsize_t readFile(thandle_t handle, void* buffer, tmsize_t size) {
    return tmsize_t(fileOf(handle).read(static_cast<char*>(buffer), qint64(size)));
}

tmsize_t writeFile(thandle_t handle, void* buffer, tmsize_t size) {
    return tmsize_t(fileOf(handle).write(static_cast<const char*>(buffer), qint64(size)));
}

toff_t seekFile(thandle_t handle, toff_t offset, int whence) {
    QFile& file = fileOf(handle);
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = file.pos();
    else if (whence == SEEK_END)
        base = file.size();
    const qint64 target = base + qint64(offset);
    return target >= 0 && file.seek(target) ? toff_t(target) : toff_t(-1);
}

// The file belongs to the TiffFile, which closes it after libtiff is done.
int closeFile(thandle_t) {
    return 0;
}

toff_t fileSize(thandle_t handle) {
    return toff_t(fileOf(handle).size());
}

int mapNothing(thandle_t, void**, toff_t*) {
    return 0;
}

void unmapNothing(thandle_t, void*, toff_t) {}
} // namespace

TiffFile::TiffFile(const QString& path, Mode mode) : file_(path) {
    // Unbuffered: a failed write shows at once, in the count libtiff checks.
    const QIODevice::OpenMode openMode =
        mode == Mode::Read ? QIODevice::ReadOnly | QIODevice::Unbuffered
                           : QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered;
    if (!file_.open(openMode))
        return;
    const QByteArray name = QFile::encodeName(path);
    tiff_ = TIFFClientOpen(name.constData(), mode == Mode::Read ? "r" : "w", &file_, readFile,
                           writeFile, seekFile, closeFile, fileSize, mapNothing, unmapNothing);
}

TiffFile::~TiffFile() {
    close();
}

bool TiffFile::close() {
    bool flushed = true;
    if (tiff_) {
        flushed = (file_.openMode() & QIODevice::WriteOnly) == 0 || TIFFFlush(tiff_) == 1;
        TIFFClose(tiff_);
        tiff_ = nullptr;
    }
    file_.close();
    return flushed && file_.error() == QFileDevice::NoError;
}
