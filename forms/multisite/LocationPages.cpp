#include "forms/multisite/LocationPages.h"

#include "forms/filling/FormSet.h"
#include "forms/filling/ScanLine.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationResult.h"

QString locationSt14ScanLine(const ReturnRecord& combined, const FillContext& context) {
    return ScanLine::build(ScanLine::kSt14FormCode, combined.texts.periodCode, context.vendorId);
}

LocationPageFills fillLocationPages(FormSet& set, ReturnRecord& scratch,
                                    const ReturnRecord& combined, const ClientRecord& client,
                                    const LocationResult& entry, const FillContext& context) {
    takeLocationReturn(scratch, combined, client, entry);
    LocationPageFills fills;
    fills.st14 = set.st14.fill(scratch, locationSt14ScanLine(combined, context), context);
    fills.st4 = set.st4.fill(scratch, context);
    fills.st8 = set.st8.fill(scratch, context);
    return fills;
}
