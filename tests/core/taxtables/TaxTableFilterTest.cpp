#include "taxtables/TaxTableFilter.h"

#include <QStringListModel>
#include <gtest/gtest.h>

namespace {
TEST(TaxTableFilter, DashesSpacesAndCaseDoNotCount) {
    QStringListModel cells({"022-0068-6", "001-0001-6", "DU PAGE", "QUINCY"});
    TaxTableFilter filter;
    filter.setSourceModel(&cells);
    const std::pair<const char*, int> cases[] = {
        {"", 4},       {"0220068", 1}, {"022 0068", 1}, {"022-00-68", 1}, {"du page", 1},
        {"dupage", 1}, {"quincy", 1},  {" - ", 4},      {"9999", 0},
    };
    for (const auto& [search, count] : cases) {
        filter.setSearchText(QLatin1String(search));
        EXPECT_EQ(filter.rowCount(), count) << search;
    }
}
} // namespace
