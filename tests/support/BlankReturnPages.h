#pragma once

#include "forms/PageEntry.h"

// Page files as the fills write them: ST-1 pages 1 and 2, ST-14, ST-4 and ST-8 in their blank
// state, in the temporary folder. The files are removed with the object.
class BlankReturnPages {
public:
    BlankReturnPages();
    ~BlankReturnPages();
    BlankReturnPages(const BlankReturnPages&) = delete;
    BlankReturnPages& operator=(const BlankReturnPages&) = delete;

    // Five pages, or none when the page images could not be filled.
    const PageList& pages() const { return pages_; }

private:
    PageList pages_;
};
