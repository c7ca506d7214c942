#pragma once

#include "platform/Clock.h"
#include "returns/ReturnRecord.h"

#include <memory>
#include <string>

// A return for a client of Springfield with the given current rates (five-digit rate texts:
// "08750" is 8.75 %), monthly, on time, without the date rule, so the current rates apply.
inline std::unique_ptr<ReturnRecord> returnWithRates(const std::string& general,
                                                     const std::string& food = "01000",
                                                     const std::string& purchaseGeneral = "06250",
                                                     const std::string& purchaseFood = "01000") {
    auto record = std::make_unique<ReturnRecord>();
    const std::string line = "076-5000-9" + std::string("SPRINGFIELD").append(14, ' ') +
                             std::string("SANGAMON").append(17, ' ') + "20050101" + general + food +
                             " " + purchaseGeneral + purchaseFood + " 00000 " +
                             std::string(16, ' ') + "06000" + "00500" + " 06000" + "00500" +
                             " 00000 ";
    record->client.taxRecord.parse(line);
    return record;
}

// Pins the clock for the lifetime of a test and releases it afterwards.
class PinnedToday {
public:
    explicit PinnedToday(QDate today) { Clock::setFixedDate(today); }
    ~PinnedToday() { Clock::release(); }
    PinnedToday(const PinnedToday&) = delete;
    PinnedToday& operator=(const PinnedToday&) = delete;
};
