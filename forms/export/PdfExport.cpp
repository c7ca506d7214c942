#include "forms/export/PdfExport.h"

#include "forms/EmfFonts.h"
#include "forms/export/MultiPageTiffWriter.h"
#include "forms/export/PageRaster.h"
#include "forms/export/TiffToPdf.h"
#include "platform/PrivateTempFolder.h"

#include <QFile>
#include <QRunnable>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <deque>
#include <memory>

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

// The whole work of one page: drawn, packed into bits and encoded, on the thread pool.
class PageTask : public QRunnable {
public:
    explicit PageTask(const PageEntry& page) : page_(page) { setAutoDelete(false); }

    void run() override {
        encoded_ = G3Page::encode(PageRaster::fromImage(page_.image()));
        done_.release();
    }
    // The encoded page, once the work is done.
    G3Page take() {
        done_.acquire();
        return std::move(encoded_);
    }

private:
    const PageEntry& page_;
    G3Page encoded_;
    QSemaphore done_;
};

// Pages in work ahead of the one stored next, in page order. At most `window` pages are in
// work or waiting at a time, whatever the number of pages. The calling thread only stores the
// pages: drawing on it as well put one thread more than there are cores to work, each with a
// page canvas of its own, and the export took longer.
class PageQueue {
public:
    PageQueue(const PageList& pages, int count)
        : pages_(pages), count_(count),
          window_(kPagesAheadPerCore * std::max(1, QThread::idealThreadCount())) {}
    ~PageQueue() {
        for (const std::unique_ptr<PageTask>& task : pending_) {
            if (!pool_.tryTake(task.get()))
                task->take();
        }
    }
    PageQueue(const PageQueue&) = delete;
    PageQueue& operator=(const PageQueue&) = delete;

    G3Page takeNext() {
        while (next_ < count_ && int(pending_.size()) < window_) {
            pending_.push_back(std::make_unique<PageTask>(pages_[size_t(next_++)]));
            pool_.start(pending_.back().get());
        }
        const G3Page page = pending_.front()->take();
        pending_.pop_front();
        return page;
    }

private:
    // Enough pages ahead that no worker waits for the calling thread to store a page, and few
    // enough that only some encoded pages (about 40 kB each) wait to be stored.
    static constexpr int kPagesAheadPerCore = 8;

    const PageList& pages_;
    const int count_;
    const int window_;
    QThreadPool& pool_ = *QThreadPool::globalInstance();
    int next_ = 0;
    std::deque<std::unique_ptr<PageTask>> pending_;
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
