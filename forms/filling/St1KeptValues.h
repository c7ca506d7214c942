#pragma once

#include "returns/RoundDollars.h"

#include <QString>
#include <array>
#include <span>

inline constexpr int kSt1Page1Keys = 64;

// What the ST-1 page 1 fill printed, kept beside the page image by key: the whole-dollar
// amounts, the six rates as fractions, the voucher amount and every text as written (the two
// dates included when their option kept them off the page). The combined page 1 of a
// multi-site return is written from these values.
struct St1KeptValues {
    std::array<Dollars, kSt1Page1Keys> amounts{};
    std::array<double, kSt1Page1Keys> rates{};
    Dollars voucher = 0;
    std::array<QString, kSt1Page1Keys> texts;
};

namespace St1Keys {
inline constexpr std::array<int, 6> kRates = {5, 8, 11, 14, 25, 28};
inline constexpr int kVoucher = 47;
inline constexpr int kLocationLine = 55;

bool isRate(int key);
// Keys 0-4, 6, 7, 9, 10, 12, 13, 15-18, 21-24, 26, 27, 29-42.
bool isAmount(int key);
} // namespace St1Keys

// The kept values of the combined ST-1 of a multi-site return from those of its locations'
// ST-1 pages, the primary location first: the amounts and the voucher amount summed, the
// texts of the primary location, the six rates 0 (they print blank) and the location line
// "ST-2" after thirty spaces.
St1KeptValues combineKeptValues(std::span<const St1KeptValues> locations);
