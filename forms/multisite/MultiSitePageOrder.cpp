#include "forms/multisite/MultiSitePageOrder.h"

#include "clients/ClientRecord.h"
#include "forms/multisite/St2Rows.h"

namespace {
void addLocationPages(std::vector<MultiSitePage>& pages, MultiSitePage::Form form, bool files,
                      int locations) {
    if (!files)
        return;
    for (int row = 0; row < locations; ++row)
        pages.push_back({form, -1, row});
}
} // namespace

std::vector<MultiSitePage> multiSitePageOrder(const ClientRecord& client, int locations) {
    using Form = MultiSitePage::Form;
    std::vector<MultiSitePage> pages = {{Form::St1Page1}, {Form::St1Page2}};
    for (int page = 0; page < st2PagesUsed(locations); ++page)
        pages.push_back({Form::St2, page});
    addLocationPages(pages, Form::St8, client.filesST8 == 1, locations);
    addLocationPages(pages, Form::St14, client.filesST14 == 1, locations);
    addLocationPages(pages, Form::St4, client.filesST4 == 1, locations);
    return pages;
}
