#pragma once

#include "forms/PageEntry.h"

// Pages as the generation makes them: ST-1 pages 1 and 2, ST-14, ST-4 and ST-8 in their blank
// state, their images kept in memory.
class BlankReturnPages {
public:
    BlankReturnPages();

    // Five pages, or none when the page images could not be filled.
    const PageList& pages() const { return pages_; }

private:
    PageList pages_;
};

// A page whose image is the file at `path`, as a page taken back from the history is.
PageEntry pageOfFile(const QString& path);
