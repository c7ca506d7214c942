#include "returns/entry/EntrySteps.h"

#include "clients/ClientRecord.h"
#include "returns/ReturnFields.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {
using namespace ReturnFields;

template <typename Section, typename Value, std::size_t N>
void addKeys(QSet<QString>& keys, const Field<Section, Value> (&fields)[N]) {
    for (const auto& field : fields)
        keys.insert(QLatin1String(field.key));
}

// Every entered field the entry sections store.
QSet<QString> storedEntryKeys() {
    QSet<QString> keys;
    addKeys(keys, kSt1Entries);
    addKeys(keys, kWorksheetDeductions);
    addKeys(keys, kWorksheetDescriptions);
    addKeys(keys, kFuelGallons);
    addKeys(keys, kFuelReceipts);
    addKeys(keys, kSt14Amount);
    addKeys(keys, kSt14Method);
    addKeys(keys, kSt4Amount);
    addKeys(keys, kSt4Method);
    addKeys(keys, kSt4Payments);
    addKeys(keys, kSt8Tires);
    addKeys(keys, kSt8Payments);
    return keys;
}
} // namespace

TEST(EntrySteps, EveryStoredEntryIsOnExactlyOneStep) {
    QSet<QString> onSteps;
    for (const EntrySteps::Step& step : EntrySteps::all()) {
        for (const EntrySteps::Field& field : step.fields) {
            const QString key = QLatin1String(field.key);
            EXPECT_FALSE(onSteps.contains(key)) << field.key;
            onSteps.insert(key);
        }
    }
    // The food step's amount with the tax is entered, but stored as the base.
    EXPECT_TRUE(onSteps.remove(QStringLiteral("foodEntered")));
    EXPECT_EQ(onSteps, storedEntryKeys());
}

TEST(EntrySteps, AProfileCallsForItsSteps) {
    ClientRecord client;
    initClientRecord(client);
    const auto included = [&client](int page) { return EntrySteps::pageIncluded(page, client); };
    // No optional group: the steps every client has, and the ones without figures.
    for (const int page : {276, 277, 278, 279, 280, 281, 285, 288, 289, 290, 291, 292})
        EXPECT_TRUE(included(page)) << page;
    for (const int page : {283, 284, 286, 287, 293, 294, 295, 296})
        EXPECT_FALSE(included(page)) << page;
    client.deductionGroup2 = 1;
    client.motorFuel.sellsMotorFuel = 1;
    client.filesST4 = 1;
    for (const int page : {284, 286, 294, 295})
        EXPECT_TRUE(included(page)) << page;
    EXPECT_FALSE(included(283));
    EXPECT_FALSE(included(296));
}

TEST(EntrySteps, TheStepsThatMustStayBelowTheTotalReceipts) {
    QList<int> summed;
    for (const EntrySteps::Step& step : EntrySteps::all()) {
        if (step.sumBelowTotalReceipts)
            summed << step.page;
    }
    EXPECT_EQ(summed, QList<int>({281, 285, 286, 287, 288, 290, 291}));
}
