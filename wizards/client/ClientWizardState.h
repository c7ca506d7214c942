#pragma once

#include "clients/profile/ClientAnswers.h"

#include <QString>
#include <string>

class ClientList;
class TaxTable;

enum class ClientWizardMode { New, Modify };

// What the steps of one client wizard run share: the mode, the table and the listed clients
// they check against, the client's file path (the letter is named after it), the answers, and
// the location code the business step accepted last (the motor fuel step classifies it).
struct ClientWizardState {
    ClientWizardMode mode;
    const TaxTable& taxTable;
    const ClientList& clients;
    QString clientFilePath;
    ClientAnswers answers;
    std::string wizardLocationCode;

    bool isNew() const { return mode == ClientWizardMode::New; }
};
