#include "forms/preview/PageImages.h"

PageImages readPageImages(const PageList& pages) {
    PageImages images;
    images.reserve(pages.size());
    for (const PageEntry& page : pages)
        images.push_back(page.image());
    return images;
}
