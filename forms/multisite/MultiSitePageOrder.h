#pragma once

#include <vector>

struct ClientRecord;

// One page of a generated multi-site return: which form, and for an ST-2 page its number
// (from 0), for a location's page the location's row (from 0).
struct MultiSitePage {
    enum class Form { St1Page1, St1Page2, St2, St8, St14, St4 };

    Form form = Form::St1Page1;
    int st2Page = -1;
    int location = -1;

    bool captioned() const { return form == Form::St2 || form == Form::St8; }
    bool operator==(const MultiSitePage&) const = default;
};

// The pages of a multi-site return with `locations` locations in print order: ST-1 page 1 and
// page 2, one ST-2 page per five locations, then, for the forms the client files, the ST-8
// page of every location in list order, their ST-14 pages and their ST-4 pages. No gasohol
// worksheet.
std::vector<MultiSitePage> multiSitePageOrder(const ClientRecord& client, int locations);
