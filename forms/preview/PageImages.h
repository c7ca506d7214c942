#pragma once

#include "forms/PageEntry.h"

#include <QByteArray>
#include <vector>

// The page images of a return, in list order, each page file read once, for everything the
// preview does with them (the preview document, the page view). A page whose file is missing or
// cannot be read has an empty image.
using PageImages = std::vector<QByteArray>;

PageImages readPageImages(const PageList& pages);
