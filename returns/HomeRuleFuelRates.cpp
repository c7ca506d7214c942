#include "returns/HomeRuleFuelRates.h"

#include "clients/HomeRuleCategory.h"

namespace {
double dollarsPerGallon(std::int32_t cents) {
    return cents / 100.0;
}

HomeRuleFuelRates typedRates(const MotorFuelProfile& profile) {
    return {dollarsPerGallon(profile.gasolineCents), dollarsPerGallon(profile.gasoholCents),
            dollarsPerGallon(profile.dieselCents), dollarsPerGallon(profile.dieselholCents),
            dollarsPerGallon(profile.specialFuelsCents)};
}
} // namespace

HomeRuleFuelRates homeRuleFuelRates(const MotorFuelProfile& profile) {
    switch (profile.homeRuleCategory) {
    case 0:
    case 1:
        return {0.11, 0.11, 0.05, 0, 0};
    case 2:
        return {0.06, 0.06, 0, 0, 0};
    case kHomeRuleCategoryTyped:
        return typedRates(profile);
    default:
        return {};
    }
}
