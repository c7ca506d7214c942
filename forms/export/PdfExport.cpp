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

// The whole work of one page, done on a worker: drawn, packed into bits and encoded.
G3Page encodedPage(const QString& path) {
    return G3Page::encode(PageRaster::fromFile(path));
}

// Pages being drawn and encoded ahead of the one written next, in page order. At most `window`
// pages are in work or waiting at a time, whatever the number of pages.
class PageQueue {
public:
    PageQueue(const PageList& pages, int count)
        : pages_(pages), count_(count), window_(std::max(2, QThread::idealThreadCount() * 2)) {}
    ~PageQueue() {
        for (QFuture<G3Page>& page : pending_)
            page.waitForFinished();
    }

    G3Page takeNext() {
        while (next_ < count_ && int(pending_.size()) < window_)
            pending_.push_back(QtConcurrent::run(encodedPage, pages_[size_t(next_++)].path()));
        const G3Page page = pending_.front().result();
        pending_.pop_front();
        return page;
    }

private:
    const PageList& pages_;
    const int count_;
    const int window_;
    int next_ = 0;
    std::deque<QFuture<G3Page>> pending_;
};

bool writeTiff(const QString& tiffPath, const PageList& pages, int count,
               const PdfExportOptions& options) {
    MultiPageTiffWriter tiff(tiffPath, count);
    if (!tiff.isOpen())
        return false;
    PageQueue encoded(pages, count);
    for (int done = 1; done <= count; ++done) {
        if (!tiff.writePage(encoded.takeNext()))
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
