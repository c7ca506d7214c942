#pragma once

#include "returns/ReturnPeriod.h"

#include <QJsonObject>
#include <QJsonValue>
#include <optional>

struct ReturnWizardState;

// What the steps of a return wizard start from, in the shape of a case's input: "period" (the
// period page's choice: onTime, periodType, monthIndex, quarterIndex, yearIndex) and the entry
// sections of EnteredSections. A step shows these values when it is built: a field whose name
// the sections hold starts with that value, every other field starts empty.
struct StartingEntries {
    QJsonObject sections;

    bool isEmpty() const { return sections.isEmpty(); }
    // The value of the entry field `name` in whichever entry section holds it.
    QJsonValue value(const QString& name) const;
    // The period choice, when the sections hold one.
    std::optional<ReturnPeriod> period() const;
};

// Lets the wizard's steps start from `sections`: a new return carried forward from the last one
// (the next period and the profile answers) or figures imported from a file.
void startFromEntrySections(ReturnWizardState& state, const QJsonObject& sections);
