#include "returns/import/ImportedEntries.h"

#include "returns/EnteredSections.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/entry/EntryChecks.h"

void storeImportedEntries(QJsonObject entries, ReturnRecord& record) {
    using EntryChecks::FoodMethod;
    QJsonObject st1 = entries[QStringLiteral("st1")].toObject();
    if (st1[QStringLiteral("foodMethod")].toInt() == int(FoodMethod::TaxIncluded)) {
        st1[QStringLiteral("foodSalesInside")] =
            foodBaseFromTotal(st1[QStringLiteral("foodEntered")].toDouble(), record);
        entries[QStringLiteral("st1")] = st1;
    }
    EnteredSections::storeEntries(entries, record);
}
