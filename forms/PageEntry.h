#pragma once

#include <QString>
#include <optional>
#include <vector>

// What a page of a generated return is. Pages of multi-site returns and pages taken back from
// the return history carry kPageUnknown.
enum PageKind : int {
    kPageUnknown = 0,
    kPageSt1Page1 = 1,
    kPageSt1Page2 = 2,
    kPageSt14 = 3,
    kPageSt4 = 4,
    kPageSt8 = 5,
    kPageGasoholWorksheet = 7,
};

// One page of a generated return: the page file (an EMF page image in the temporary folder),
// the line printed at the top of the sheet ("ID: 4178" on ST-8 and ST-2 pages) and the kind.
// A page may draw a second image over the first; generated pages always have one.
struct PageEntry {
    QString imagePaths[2];
    int imageCount = 1;
    std::optional<QString> caption;
    PageKind kind = kPageUnknown;

    const QString& path() const { return imagePaths[0]; }
};

using PageList = std::vector<PageEntry>;
