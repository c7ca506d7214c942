#include "returns/report/ElectronicFiling.h"

#include "returns/GroupThousands.h"
#include "returns/ReturnPeriod.h"

namespace {
int periodsInYear(int periodType) {
    switch (periodType) {
    case kMonthlyPeriod:
        return 12;
    case kQuarterlyPeriod:
        return 4;
    default:
        break;
    }
    return 1;
}

QString scaling(int periodType) {
    switch (periodType) {
    case kMonthlyPeriod:
        return QStringLiteral("line 1 of this monthly return \u00d7 12");
    case kQuarterlyPeriod:
        return QStringLiteral("line 1 of this quarterly return \u00d7 4");
    default:
        break;
    }
    return QStringLiteral("line 1 of this annual return");
}
} // namespace

Dollars ElectronicFiling::annualReceipts(Dollars line1, int periodType) {
    return line1 * periodsInYear(periodType);
}

std::optional<QString> ElectronicFiling::notice(Dollars line1, int periodType) {
    const Dollars annual = annualReceipts(line1, periodType);
    if (annual < kThreshold)
        return std::nullopt;
    return QStringLiteral(
               "Electronic filing: these receipts suggest average annual gross receipts of "
               "$%1 (%2), which is $20,000 or more. A business of this size is required to "
               "file ST-1, ST-4, ST-8 and ST-14 electronically once the state has notified it "
               "(the state decides and sends the notice), and a paper return from such a "
               "business loses the timely-filing discount.")
        .arg(groupThousands(annual), scaling(periodType));
}
