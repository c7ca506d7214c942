#pragma once

#include "forms/PageEntry.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// Page files of the five single-site forms (ST-1 pages 1 and 2, ST-14, ST-4, ST-8), repeated to
// `count` pages, as the benchmarks of the export and the preview use them; removed with the
// object.
class BenchPages {
public:
    explicit BenchPages(int count);
    ~BenchPages();
    BenchPages(const BenchPages&) = delete;
    BenchPages& operator=(const BenchPages&) = delete;

    const PageList& pages() const { return pages_; }
    const std::vector<QByteArray>& images() const { return images_; }

private:
    QStringList files_;
    PageList pages_;
    std::vector<QByteArray> images_;
};
