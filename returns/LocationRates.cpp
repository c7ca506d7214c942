#include "returns/LocationRates.h"

#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "taxtables/RateText.h"

#include <cstring>

namespace {
bool usesDateRule(const ReturnRecord& record) {
    return record.period.useDateRule == 1;
}
} // namespace

LocationRates locationRates(const ReturnRecord& record) {
    const TaxTableRecord& table = record.client.taxRecord;
    const bool dateRule = usesDateRule(record);
    return {TaxTable::generalRate(table, dateRule), TaxTable::foodRate(table, dateRule),
            TaxTable::purchaseGeneralRate(table, dateRule),
            TaxTable::purchaseFoodRate(table, dateRule)};
}

RateSet locationRateSet(const ReturnRecord& record) {
    return TaxTable::chooseRateSet(record.client.taxRecord, usesDateRule(record), Clock::today());
}

double generalRatePercent(const ReturnRecord& record) {
    const TaxTableRecord& table = record.client.taxRecord;
    const char* text = locationRateSet(record) == RateSet::Prior ? table.priorGeneralRate
                                                                 : table.currentGeneralRate;
    constexpr std::size_t kRateWidth = sizeof(table.currentGeneralRate);
    return RateText::leadingInt(std::string_view(text, ::strnlen(text, kRateWidth))) / 1000.0;
}
