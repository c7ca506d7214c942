#include "forms/filling/St1KeptValues.h"

#include <algorithm>

namespace {
constexpr int kLastAmountKey = 42;
constexpr std::array<int, 2> kTextKeysAmongAmounts = {19, 20};
} // namespace

bool St1Keys::isRate(int key) {
    return std::ranges::find(kRates, key) != kRates.end();
}

bool St1Keys::isAmount(int key) {
    return key >= 0 && key <= kLastAmountKey && !isRate(key) &&
           std::ranges::find(kTextKeysAmongAmounts, key) == kTextKeysAmongAmounts.end();
}

St1KeptValues combineKeptValues(std::span<const St1KeptValues> locations) {
    St1KeptValues combined;
    if (locations.empty())
        return combined;
    combined.texts = locations.front().texts;
    for (const St1KeptValues& location : locations) {
        for (int key = 0; key < kSt1Page1Keys; ++key)
            combined.amounts[size_t(key)] += location.amounts[size_t(key)];
        combined.voucher += location.voucher;
    }
    combined.texts[St1Keys::kLocationLine] = QString(30, QLatin1Char(' ')) + QStringLiteral("ST-2");
    return combined;
}
