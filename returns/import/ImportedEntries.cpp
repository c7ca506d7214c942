#include "returns/import/ImportedEntries.h"

#include "returns/EnteredSections.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/entry/EntryChecks.h"

void storeImportedEntries(QJsonObject entries, ReturnRecord& record) {
    using EntryChecks::FoodMethod;
    // Read with value(): looking up through operator[] would copy the entries and the section.
    QJsonObject st1 = entries.value(QLatin1String("st1")).toObject();
    if (st1.value(QLatin1String("foodMethod")).toInt() == int(FoodMethod::TaxIncluded)) {
        st1[QStringLiteral("foodSalesInside")] =
            foodBaseFromTotal(st1.value(QLatin1String("foodEntered")).toDouble(), record);
        entries[QStringLiteral("st1")] = st1;
    }
    EnteredSections::storeEntries(entries, record);
}
