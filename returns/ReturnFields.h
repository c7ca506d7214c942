#pragma once

#include "returns/ReturnRecord.h"

#include <QJsonObject>
#include <QJsonValue>
#include <type_traits>

// The names of the fields of a return, with the members they stand for: the names the stored
// inputs, the data export, the figure import and the test cases use.
namespace ReturnFields {
template <typename Section, typename Value>
struct Field {
    const char* key;
    Value Section::*member;
};

// What the wizard pages enter.
extern const Field<St1Section, double> kSt1Entries[17];
extern const Field<St1Worksheet, Dollars> kWorksheetDeductions[15]; // rounded by their pages
extern const Field<St1Worksheet, QString> kWorksheetDescriptions[3];
extern const Field<FuelSales, std::int64_t> kFuelGallons[9];
extern const Field<FuelSales, double> kFuelReceipts[5];
extern const Field<St14Section, double> kSt14Amount[1];
extern const Field<St14Section, int> kSt14Method[1];
extern const Field<St4Section, double> kSt4Amount[1];
extern const Field<St4Section, int> kSt4Method[1];
extern const Field<St4Section, Dollars> kSt4Payments[5]; // rounded by their page
extern const Field<St8Section, std::int64_t> kSt8Tires[2];
extern const Field<St8Section, Dollars> kSt8Payments[5]; // rounded by their page

// What the calculations produce.
extern const Field<St1Section, Dollars> kSt1Lines[35];
extern const Field<St1Section, double> kSt1Rates[4];
extern const Field<St1Worksheet, Dollars> kMotorFuelItems[21];
extern const Field<St1Worksheet, Dollars> kWorksheetComputed[7];
extern const Field<St1Worksheet, QString> kWorksheetComputedTexts[2];
extern const Field<GasoholWorksheet, double> kGasoholValues[11];
extern const Field<GasoholWorksheet, std::int64_t> kGasoholGallons[1];
extern const Field<St14Section, Dollars> kSt14Lines[7];
extern const Field<St4Section, Dollars> kSt4Lines[16];
extern const Field<St8Section, Dollars> kSt8Lines[16];
extern const Field<ReturnSummary, Dollars> kSummary[7];

// Every field of `fields` read from `json` (a missing key reads as 0 or empty) through
// `convert(QJsonValue)`.
template <typename Section, typename Value, std::size_t N, typename Convert>
void read(Section& section, const QJsonObject& json, const Field<Section, Value> (&fields)[N],
          Convert convert) {
    for (const auto& field : fields)
        section.*field.member = convert(json[QLatin1String(field.key)]);
}

// Every field of `fields` written into `json`.
template <typename Section, typename Value, std::size_t N>
void write(QJsonObject& json, const Section& section, const Field<Section, Value> (&fields)[N]) {
    for (const auto& field : fields) {
        if constexpr (std::is_integral_v<Value>)
            json[QLatin1String(field.key)] = static_cast<qint64>(section.*field.member);
        else
            json[QLatin1String(field.key)] = section.*field.member;
    }
}
} // namespace ReturnFields
