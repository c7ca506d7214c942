#include "forms/export/PdfExport.h"

#include "forms/EmfFonts.h"
#include "forms/export/MultiPageTiffWriter.h"
#include "forms/export/PageRaster.h"
#include "forms/export/TiffToPdf.h"
#include "platform/PrivateTempFolder.h"

#include <QFile>
#include <QFuture>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <deque>

namespace {

// Removes the temporary TIFF however the export ends.
class TemporaryTiff {
public:
    TemporaryTiff()
        : path_(PrivateTempFolder::createFile(QStringLiteral("TIF"), QStringLiteral(".tif"))) {}
    ~TemporaryTiff() {
        if (!path_.isEmpty())
            QFile::remove(path_);
    }
    TemporaryTiff(const TemporaryTiff&) = delete;
    TemporaryTiff& operator=(const TemporaryTiff&) = delete;
    const QString& path() const { return path_; }

private:
    QString path_;
};

// Pages being rasterised ahead of the one written next, in page order. At most `window`
// rasters exist at a time, whatever the number of pages.
class RasterQueue {
public:
    RasterQueue(const PageList& pages, int count)
        : pages_(pages), count_(count), window_(std::max(2, QThread::idealThreadCount() * 2)) {}
    ~RasterQueue() {
        for (QFuture<MonoRaster>& raster : pending_)
            raster.waitForFinished();
    }

    MonoRaster takeNext() {
        while (next_ < count_ && int(pending_.size()) < window_) {
            const QString path = pages_[size_t(next_++)].path();
            pending_.push_back(QtConcurrent::run([path] { return PageRaster::fromFile(path); }));
        }
        const MonoRaster raster = pending_.front().result();
        pending_.pop_front();
        return raster;
    }

private:
    const PageList& pages_;
    const int count_;
    const int window_;
    int next_ = 0;
    std::deque<QFuture<MonoRaster>> pending_;
};

bool writeTiff(const QString& tiffPath, const PageList& pages, int count,
               const PdfExportOptions& options) {
    MultiPageTiffWriter tiff(tiffPath, count);
    if (!tiff.isOpen())
        return false;
    RasterQueue rasters(pages, count);
    for (int done = 1; done <= count; ++done) {
        const MonoRaster raster = rasters.takeNext();
        if (raster.isNull() || !tiff.writePage(raster))
            return false;
        if (options.progress && !options.progress(done, count))
            return false;
    }
    return tiff.close();
}

} // namespace

bool exportPdf(const QString& pdfPath, const PageList& pages, int count,
               const PdfExportOptions& options) {
    if (count <= 0 || size_t(count) > pages.size())
        return false;
    // Font files are registered once, here on the calling thread, before the workers draw.
    EmfFonts::registerProgramFonts();
    const TemporaryTiff tiff;
    if (tiff.path().isEmpty() || !writeTiff(tiff.path(), pages, count, options))
        return false;
    if (!options.keepTiffAs.isEmpty()) {
        QFile::remove(options.keepTiffAs);
        QFile::copy(tiff.path(), options.keepTiffAs);
    }
    return convertTiffToPdf(tiff.path(), pdfPath, PdfDocumentInfo());
}
