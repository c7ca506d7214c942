#include "wizards/return/StartingEntries.h"

#include "returns/EnteredSections.h"
#include "wizards/return/ReturnWizardState.h"

namespace {
const char* const kEntrySections[] = {"st1", "worksheet", "fuelSales", "st14", "st4", "st8"};
const QLatin1String kPeriod("period");
} // namespace

QJsonValue StartingEntries::value(const QString& name) const {
    for (const char* section : kEntrySections) {
        const QJsonObject values = sections[QLatin1String(section)].toObject();
        if (values.contains(name))
            return values[name];
    }
    return {};
}

std::optional<ReturnPeriod> StartingEntries::period() const {
    if (!sections[kPeriod].isObject())
        return std::nullopt;
    return EnteredSections::periodChoice(sections[kPeriod].toObject());
}

void startFromEntrySections(ReturnWizardState& state, const QJsonObject& sections) {
    state.starting.sections = sections;
}
