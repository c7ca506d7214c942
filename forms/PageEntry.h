#pragma once

#include <QByteArray>
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

// One page of a return: its page image (EMF bytes), the line printed at the top of the sheet
// ("ID: 4178" on ST-8 and ST-2 pages) and the kind. A page may draw a second image over the
// first; generated pages always have one.
//
// A generated page, of a return or of its explanations, keeps its image in memory (`images`):
// nothing that shows, prints, exports or stores it needs a file, and a large return would
// otherwise create and delete a file per page. Pages taken back from the return history are
// files in the temporary folder (`imagePaths`) and are read when they are used.
struct PageEntry {
    QString imagePaths[2];
    QByteArray images[2];
    int imageCount = 1;
    std::optional<QString> caption;
    PageKind kind = kPageUnknown;

    const QString& path() const { return imagePaths[0]; }

    // Image `index`: the bytes kept in memory, else the file's; empty when neither is there or
    // the file cannot be read.
    QByteArray image(int index = 0) const;
};

using PageList = std::vector<PageEntry>;
