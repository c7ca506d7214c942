#include "forms/preview/PageImages.h"

#include <QFile>

PageImages readPageImages(const PageList& pages) {
    PageImages images;
    images.reserve(pages.size());
    for (const PageEntry& page : pages) {
        QFile file(page.path());
        images.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return images;
}
