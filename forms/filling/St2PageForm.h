#pragma once

#include "forms/filling/FilledForm.h"
#include "returns/RoundDollars.h"

#include <QString>
#include <array>
#include <span>

// One row of an ST-2 page: a site (or the page totals) with its five text lines, its ST-1
// lines 4a, 4b, 5a, 5b, 8a and 8b, and its rates of lines 4 and 5.
struct St2Entry {
    std::array<QString, 5> lines;
    std::array<Dollars, 6> amounts{};
    std::array<double, 2> rates{};
};

// One page of the ST-2 multiple site form (image 503): up to five sites and the page totals.
class St2PageForm : public FilledForm {
public:
    static constexpr int kSitesPerPage = 5;

    St2PageForm();

    // Blanks the page and writes the entries: the sites in blocks 0 to 4 in order and the
    // last entry, the page totals, always in block 5; then the IBT number and the period text
    // when given. With no entries the page stays blank. False at the first write that fails,
    // and for more entries than five sites and the totals.
    bool fill(std::span<const St2Entry> entries, const QString& ibtNumber,
              const QString& periodText);
};
