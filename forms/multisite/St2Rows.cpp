#include "forms/multisite/St2Rows.h"

#include "forms/filling/FormTexts.h"
#include "platform/CFormat.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"

#include <algorithm>

namespace {
constexpr int kRowsPerPage = St2PageForm::kSitesPerPage;

QString siteIdentifier(const ClientLocation& location, int row) {
    return FormTexts::recordText(location.locationCode) +
           cFormat(" %03d  ", locationDisplayNumber(location, row)) +
           FormTexts::recordText(location.city);
}

St2Entry siteRow(const ClientRecord& client, const LocationResult& entry, int row) {
    St2Entry site;
    site.lines[0] = siteIdentifier(entry.location, row);
    const QStringList address =
        FormTexts::addressBlock(locationClientRecord(client, entry.location));
    for (qsizetype line = 0; line < address.size() && line + 1 < qsizetype(site.lines.size());
         ++line)
        site.lines[size_t(line + 1)] = address[line];
    const St1Lines& st1 = entry.st1;
    site.amounts = {st1.line4a, st1.line4b, st1.line5a, st1.line5b, st1.line8a, st1.line8b};
    site.rates = {entry.st1.rateGeneral, entry.st1.rateFood};
    return site;
}
} // namespace

int st2PagesUsed(int locations) {
    return (locations + kRowsPerPage - 1) / kRowsPerPage;
}

std::vector<St2Entry> st2PageEntries(const ClientRecord& client, const LocationResults& results,
                                     int page) {
    const int first = page * kRowsPerPage;
    const int end = std::min(first + kRowsPerPage, results.count);
    std::vector<St2Entry> entries;
    St2Entry totals;
    for (int row = first; row < end; ++row) {
        entries.push_back(siteRow(client, results.entries[size_t(row)], row));
        for (size_t amount = 0; amount < totals.amounts.size(); ++amount)
            totals.amounts[amount] += entries.back().amounts[amount];
    }
    if (!entries.empty())
        entries.push_back(totals);
    return entries;
}
