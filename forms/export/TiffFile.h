#pragma once

#include <QBuffer>
#include <QFile>
#include <QString>

typedef struct tiff TIFF;

// A TIFF file that libtiff reads or writes through a file Qt opened, so that any path works:
// libtiff's own opener takes only the local 8-bit encoding of a path on Windows, where a
// folder such as "C:\Users\Zoë" fails; or a TIFF kept in memory. A file opened for reading is
// mapped into memory while it is open. The file is closed when the object goes.
class TiffFile {
public:
    enum class Mode { Read, Write };

    // Opens `path` for reading, or creates (replaces) it for writing.
    TiffFile(const QString& path, Mode mode);
    // Writes a TIFF into `buffer`, replacing what it held.
    explicit TiffFile(QBuffer& buffer);
    ~TiffFile();
    TiffFile(const TiffFile&) = delete;
    TiffFile& operator=(const TiffFile&) = delete;

    // The open TIFF, or null when the file could not be opened or is not a TIFF.
    TIFF* get() const { return tiff_; }
    // Writes what is pending and closes the file; false when bytes could not be written.
    bool close();

private:
    void open(QIODevice::OpenMode openMode, Mode mode, const QString& name);

    QFile file_;
    QIODevice* device_ = &file_;
    TIFF* tiff_ = nullptr;
};
