#include "clients/ClientRecord.h"
#include "platform/FixedText.h"
#include "returns/ReturnRecord.h"
#include "returns/import/FigureCsv.h"
#include "returns/import/FigureImport.h"
#include "returns/import/ImportedEntries.h"
#include "targets/FuzzEntries.h"

#include <memory>

namespace {
// A client of two sites, one selling motor fuel, with every optional step and form.
ClientRecord twoSiteClient() {
    ClientRecord client;
    initClientRecord(client);
    client.multiSite = 1;
    client.locationCount = 2;
    client.deductionGroup1 = client.deductionGroup2 = client.deductionGroup3 = 1;
    client.filesST14 = client.filesST4 = client.filesST8 = 1;
    FixedText::set(client.locations[0].name, "Main Street");
    FixedText::set(client.locations[1].name, "Caf\xE9");
    client.locations[1].locationNumber = 7;
    client.locations[1].motorFuel.sellsMotorFuel = 1;
    return client;
}
} // namespace

// A file of figures checked for a multi-site and a single-site client as "Import Figures…"
// checks it; rows that pass are stored into a return and written back out as the export does.
void FuzzEntries::figureImport(const QByteArray& input) {
    auto record = std::make_unique<ReturnRecord>();
    const auto importFor = [&input, &record](const ClientRecord& client) {
        const FigureImport figures = readFigureBytes(input, client);
        std::vector<QJsonObject> entries;
        for (const ImportedRow& row : figures.rows) {
            storeImportedEntries(row.entries, *record);
            entries.push_back(row.entries);
        }
        FigureCsv::utf8File(FigureCsv::figureRows(client, entries));
    };
    ClientRecord client = twoSiteClient();
    importFor(client);
    client.multiSite = 0;
    client.motorFuel.sellsMotorFuel = 1;
    importFor(client);
}
