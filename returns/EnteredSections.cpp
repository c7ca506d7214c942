#include "returns/EnteredSections.h"

#include "returns/MotorFuel.h"
#include "returns/ReturnFields.h"
#include "returns/RoundDollars.h"

namespace {
using namespace ReturnFields;

const Field<ReturnPeriod, int> kPeriodChoice[] = {{"onTime", &ReturnPeriod::onTime},
                                                  {"periodType", &ReturnPeriod::periodType},
                                                  {"monthIndex", &ReturnPeriod::monthIndex},
                                                  {"quarterIndex", &ReturnPeriod::quarterIndex},
                                                  {"yearIndex", &ReturnPeriod::yearIndex}};

double amountOf(const QJsonValue& value) {
    return value.toDouble();
}
// Pages that take whole dollars round what was typed when they are left.
Dollars roundedAmountOf(const QJsonValue& value) {
    return roundDollars(value.toDouble());
}
std::int64_t countOf(const QJsonValue& value) {
    return value.toInteger();
}
int choiceOf(const QJsonValue& value) {
    return value.toInt();
}
QString textOf(const QJsonValue& value) {
    return value.toString();
}

QJsonObject section(const QJsonObject& sections, const char* key) {
    return sections[QLatin1String(key)].toObject();
}
} // namespace

QJsonObject EnteredSections::periodSection(const ReturnPeriod& period) {
    QJsonObject json;
    write(json, period, kPeriodChoice);
    return json;
}

ReturnPeriod EnteredSections::periodChoice(const QJsonObject& json) {
    ReturnPeriod period;
    read(period, json, kPeriodChoice, choiceOf);
    return period;
}

QJsonObject EnteredSections::entries(const ReturnRecord& record) {
    QJsonObject st1, worksheet, fuel, st14, st4, st8;
    write(st1, record.st1, kSt1Entries);
    write(worksheet, record.worksheet, kWorksheetDeductions);
    write(worksheet, record.worksheet, kWorksheetDescriptions);
    write(fuel, record.fuelSales, kFuelGallons);
    write(fuel, record.fuelSales, kFuelReceipts);
    write(st14, record.st14, kSt14Method);
    write(st14, record.st14, kSt14Amount);
    write(st4, record.st4, kSt4Method);
    write(st4, record.st4, kSt4Amount);
    write(st4, record.st4, kSt4Payments);
    write(st8, record.st8, kSt8Tires);
    write(st8, record.st8, kSt8Payments);
    return {{QStringLiteral("st1"), st1},        {QStringLiteral("worksheet"), worksheet},
            {QStringLiteral("fuelSales"), fuel}, {QStringLiteral("st14"), st14},
            {QStringLiteral("st4"), st4},        {QStringLiteral("st8"), st8}};
}

void EnteredSections::storeEntries(const QJsonObject& sections, ReturnRecord& record) {
    read(record.st1, section(sections, "st1"), kSt1Entries, amountOf);
    const QJsonObject worksheet = section(sections, "worksheet");
    read(record.worksheet, worksheet, kWorksheetDeductions, roundedAmountOf);
    read(record.worksheet, worksheet, kWorksheetDescriptions, textOf);
    const QJsonObject fuel = section(sections, "fuelSales");
    read(record.fuelSales, fuel, kFuelGallons, countOf);
    read(record.fuelSales, fuel, kFuelReceipts, amountOf);
    const QJsonObject st14 = section(sections, "st14");
    read(record.st14, st14, kSt14Method, choiceOf);
    read(record.st14, st14, kSt14Amount, amountOf);
    const QJsonObject st4 = section(sections, "st4");
    read(record.st4, st4, kSt4Method, choiceOf);
    read(record.st4, st4, kSt4Amount, amountOf);
    read(record.st4, st4, kSt4Payments, roundedAmountOf);
    const QJsonObject st8 = section(sections, "st8");
    read(record.st8, st8, kSt8Tires, countOf);
    read(record.st8, st8, kSt8Payments, roundedAmountOf);
    if (record.client.motorFuel.sellsMotorFuel == 1)
        computeMotorFuel(record);
}
