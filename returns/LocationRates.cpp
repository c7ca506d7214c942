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
    const RateSetChoice choice =
        TaxTable::rateSetChoice(table, usesDateRule(record), Clock::today());
    return {TaxTable::generalRate(table, choice.set), TaxTable::foodRate(table, choice.set),
            TaxTable::purchaseGeneralRate(table, choice.set),
            TaxTable::purchaseFoodRate(table, choice.set), choice};
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
