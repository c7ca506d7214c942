#include "ReturnCaseInput.h"

#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "returns/EnteredSections.h"
#include "returns/LiabilityPeriod.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnFields.h"

#include <QJsonArray>

namespace {
using ReturnCaseInput::bytesOf;

template <std::size_t N>
void setText(char (&field)[N], const QJsonObject& object, const char* key) {
    FixedText::set(field, bytesOf(object[QLatin1String(key)]));
}

void setClientTexts(ClientRecord& client, const QJsonObject& json) {
    setText(client.businessName, json, "businessName");
    setText(client.address1, json, "address1");
    setText(client.address2, json, "address2");
    setText(client.city, json, "city");
    setText(client.zipCode, json, "zipCode");
    setText(client.phone, json, "phone");
    setText(client.ibtNumber, json, "ibtNumber");
    setText(client.kobNumber, json, "kobNumber");
    setText(client.locationCode, json, "locationCode");
    setText(client.transmittalAddress1, json, "transmittalAddress1");
    setText(client.transmittalAddress2, json, "transmittalAddress2");
    setText(client.transmittalCity, json, "transmittalCity");
    setText(client.transmittalZip, json, "transmittalZip");
}

int choiceOf(const QJsonValue& value) {
    return value.toInt();
}

using ReturnFields::Field;

const Field<ClientRecord, std::int32_t> kClientFlags[] = {
    {"multiSite", &ClientRecord::multiSite},
    {"transmittalDiffers", &ClientRecord::transmittalDiffers},
    {"filesST14", &ClientRecord::filesST14},
    {"filesST4", &ClientRecord::filesST4},
    {"filesST8", &ClientRecord::filesST8},
    {"deductionGroup1", &ClientRecord::deductionGroup1},
    {"deductionGroup2", &ClientRecord::deductionGroup2},
    {"deductionGroup3", &ClientRecord::deductionGroup3}};

const Field<MotorFuelProfile, std::int32_t> kMotorFuelProfile[] = {
    {"sellsMotorFuel", &MotorFuelProfile::sellsMotorFuel},
    {"homeRuleCategory", &MotorFuelProfile::homeRuleCategory},
    {"gasolineCents", &MotorFuelProfile::gasolineCents},
    {"gasoholCents", &MotorFuelProfile::gasoholCents},
    {"dieselCents", &MotorFuelProfile::dieselCents},
    {"dieselholCents", &MotorFuelProfile::dieselholCents},
    {"specialFuelsCents", &MotorFuelProfile::specialFuelsCents}};

QJsonObject section(const QJsonObject& input, const char* key) {
    return input[QLatin1String(key)].toObject();
}

} // namespace

std::string ReturnCaseInput::bytesOf(const QJsonValue& value) {
    return value.toString().toLatin1().toStdString();
}

ReturnPeriod ReturnCaseInput::period(const QJsonObject& input) {
    ReturnPeriod period = EnteredSections::periodChoice(section(input, "period"));
    applyPeriodChoice(period, today(input));
    return period;
}

MotorFuelProfile ReturnCaseInput::motorFuel(const QJsonObject& json) {
    MotorFuelProfile profile{};
    ReturnFields::read(profile, json[QLatin1String("motorFuel")].toObject(), kMotorFuelProfile,
                       choiceOf);
    return profile;
}

QDate ReturnCaseInput::today(const QJsonObject& input) {
    const QJsonArray day = input[QLatin1String("today")].toArray();
    return QDate(day[0].toInt(), day[1].toInt(), day[2].toInt());
}

ClientRecord ReturnCaseInput::client(const QJsonObject& json) {
    ClientRecord client;
    initClientRecord(client);
    setClientTexts(client, json);
    ReturnFields::read(client, json, kClientFlags, choiceOf);
    client.motorFuel = motorFuel(json);
    client.taxRecord.parse(bytesOf(json[QLatin1String("taxLine")]));
    return client;
}

void ReturnCaseInput::build(const QJsonObject& input, ReturnRecord& record) {
    const QDate day = today(input);
    Clock::setFixedDate(day);
    resetReturn(record);
    computeAll(record);
    const ClientRecord client = ReturnCaseInput::client(section(input, "client"));
    takeClient(record, client);
    setPeriod(record, period(input));
    EnteredSections::storeEntries(input, record);
}
