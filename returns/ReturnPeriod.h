#pragma once

inline constexpr int kMonthlyPeriod = 0;
inline constexpr int kQuarterlyPeriod = 1;
inline constexpr int kAnnualPeriod = 2;

// The liability period of a return as the period page builds it: seven ints, copied as one
// block between the wizard and the record. The indexes are list positions of the period
// page's lists (see LiabilityPeriod.h).
struct ReturnPeriod {
    int onTime = 1; // 1: filed and paid on time, so the retailer's discount applies
    int periodType = kMonthlyPeriod;
    int monthIndex = 0;   // 0 January ... 11 December
    int quarterIndex = 0; // 0 first quarter ... 3 fourth quarter
    int yearIndex = 0;    // position in the year list: 0 is three years before today's year
    int useDateRule = 0;  // 1: the rate accessors apply the six-month effective-date rule
    int priorYear = 0;    // 1: the period belongs to the year before today's year

    bool operator==(const ReturnPeriod&) const = default;
};
