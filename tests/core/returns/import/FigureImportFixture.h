#pragma once

#include "core/multisite/MultiSiteFixture.h"
#include "platform/Cp1252.h"
#include "returns/import/CsvTable.h"
#include "returns/import/FigureImport.h"

// Files of figures for two clients of the Springfield fixture, checked for February 2005: a
// single-site client with resale deductions that files ST-8, and a three-site client with
// resale deductions that files ST-14, whose locations are "Main Street" (number 10),
// "Café Évanston" (11) and "Depot" (no number stored, so 3), the depot selling motor fuel.
class FigureImportTest : public MultiSiteTest {
protected:
    void SetUp() override {
        MultiSiteTest::SetUp();
        bindClient(3);
        multiSiteClient.deductionGroup1 = 1;
        multiSiteClient.filesST14 = 1;
        const char* const names[] = {"Main Street", "Caf\u00e9 \u00c9vanston", "Depot"};
        const std::uint8_t numbers[] = {10, 11, 0};
        for (int row = 0; row < 3; ++row) {
            FixedText::set(multiSiteClient.locations[row].name, QString::fromUtf8(names[row]));
            multiSiteClient.locations[row].locationNumber = numbers[row];
        }
        multiSiteClient.locations[2].motorFuel.sellsMotorFuel = 1;
        bindLocations(*results, multiSiteClient);
        singleClient = client();
        singleClient.deductionGroup1 = 1;
        singleClient.filesST8 = 1;
    }

    // A good file of the three sites, as rows of cells.
    static std::vector<QStringList> multiSiteRows() {
        return {{"locationNumber", "name", "totalReceipts", "foodSalesInside", "resale",
                 "st14Method", "st14Amount", "gasolineGallons"},
                {"10", "Main Street", "4000.00", "500.00", "100", "", "", ""},
                {"11", "Caf\u00e9 \u00c9vanston", "3000", "", "", "2", "150.25", ""},
                {"3", "Depot", "2500", "", "", "", "", "1200"}};
    }

    // A good file of the single-site client.
    static std::vector<QStringList> singleSiteRows() {
        return {{"name", "totalReceipts", "resale", "tiresSold", "st8Penalty"},
                {"Acme Grocery Inc", "10000", "250.50", "12", "5"}};
    }

    static QByteArray utf8(const std::vector<QStringList>& rows, QChar separator = u',') {
        return formatCsv(rows, separator).toUtf8();
    }
    static QByteArray windows1252(const std::vector<QStringList>& rows, QChar separator = u',') {
        return Cp1252::fromUnicode(formatCsv(rows, separator));
    }

    FigureImport readMultiSite(const QByteArray& bytes) const {
        return readFigureBytes(bytes, multiSiteClient);
    }
    FigureImport readSingleSite(const QByteArray& bytes) const {
        return readFigureBytes(bytes, singleClient);
    }

    ClientRecord singleClient{};
};
