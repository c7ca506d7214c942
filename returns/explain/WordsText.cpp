#include "returns/explain/WordsText.h"

#include <algorithm>

void WordsText::capitalize(qsizetype at) {
    const char16_t unit = units_[at];
    if (unit >= u'a' && unit <= u'z')
        units_[at] = char16_t(unit - u'a' + u'A');
    else if (unit >= 0x80)
        units_[at] = char16_t(QChar::toUpper(char32_t(unit)));
}

void WordsText::grow(qsizetype needed) {
    const qsizetype capacity = std::max(needed, 2 * capacity_);
    auto units = std::make_unique<char16_t[]>(size_t(capacity));
    std::copy_n(units_, size_, units.get());
    grown_ = std::move(units);
    units_ = grown_.get();
    capacity_ = capacity;
}
