#include "ui/wizards/return/CarriedReturns.h"

#include "platform/Clock.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationResult.h"

#include <memory>

namespace {
std::unique_ptr<ReturnRecord> february() {
    auto last = std::make_unique<ReturnRecord>();
    last->period.monthIndex = 1;
    last->st1.totalReceipts = 12345.67;
    last->st1.line1 = 12346;
    last->st1.line2 = 200;
    last->st1.line3 = 11500;
    last->st1.line25 = 700;
    last->worksheet.otherDeduction1 = 200;
    last->worksheet.otherDeduction1Description = QStringLiteral("Trade-ins");
    last->summary.summaryTotalReceipts = 12346;
    last->summary.summaryDeductions = 200;
    last->summary.summaryTaxableReceipts = 11500;
    last->summary.summaryPaymentDue = 700;
    return last;
}
} // namespace

StoredInputs CarriedReturns::singleSite() {
    return singleSiteInputs(*february(), Clock::today(), {});
}

StoredInputs CarriedReturns::multiSite(const ClientRecord& client) {
    const std::unique_ptr<ReturnRecord> last = february();
    auto locations = std::make_unique<LocationResults>();
    bindLocations(*locations, client);
    for (LocationResult& location : locations->listed()) {
        location.prepared = true;
        location.st1 = last->st1;
        location.worksheet = last->worksheet;
    }
    return multiSiteInputs(*last, *locations, Clock::today(), {});
}
