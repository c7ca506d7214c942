#include "forms/multisite/LocationPages.h"

#include "forms/filling/FormSet.h"
#include "forms/filling/ScanLine.h"
#include "returns/ReturnRecord.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/LocationResult.h"

void takeLocationReturn(ReturnRecord& location, const ReturnRecord& combined,
                        const ClientRecord& client, const LocationResult& entry) {
    resetReturn(location);
    takeClient(location, locationClientRecord(client, entry.location));
    setPeriod(location, combined.period);
    location.texts = combined.texts;
    location.st1 = entry.st1;
    location.worksheet = entry.worksheet;
    location.st14 = entry.st14;
    location.st4 = entry.st4;
    location.st8 = entry.st8;
}

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
