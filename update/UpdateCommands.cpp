#include "update/UpdateCommands.h"

#include "platform/Clock.h"
#include "settings/OptionsSettings.h"
#include "ui/MessageBoxes.h"
#include "update/UpdateDialog.h"
#include "update/UpdateSchedule.h"

#include <QNetworkInformation>

namespace {
std::function<bool()>& offlineProbe() {
    static std::function<bool()> probe;
    return probe;
}

bool systemReportsOffline() {
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return false;
    return QNetworkInformation::instance()->reachability() ==
           QNetworkInformation::Reachability::Disconnected;
}

// The dialog sets the time of the last check when it is closed; the store gets it then.
void openUpdateDialog(QWidget* parent, OptionsSettings& options) {
    int checkedAt = options.timeOfLastUpdate;
    UpdateDialog dialog(checkedAt, UpdateEnvironment::standard(), parent);
    dialog.exec();
    options.timeOfLastUpdate = checkedAt;
}
} // namespace

namespace UpdateCommands {

bool reportsOffline() {
    return offlineProbe() ? offlineProbe()() : systemReportsOffline();
}

void setOfflineProbe(std::function<bool()> probe) {
    offlineProbe() = std::move(probe);
}

void checkForUpdates(QWidget* parent, OptionsSettings& options) {
    if (reportsOffline()) {
        MessageBoxes::current().inform(
            parent,
            QStringLiteral("Vantrobe needs to connect to the Internet to download new "
                           "updates.\nPlease check your Internet connection and try again."),
            MessageIcon::Warning);
        return;
    }
    openUpdateDialog(parent, options);
}

void automaticCheck(QWidget* parent, OptionsSettings& options) {
    if (UpdateSchedule::automaticChecksEnabled() &&
        UpdateSchedule::automaticCheckDue(options.checkForUpdatesFrequency,
                                          options.timeOfLastUpdate, Clock::secondsSinceEpoch()) &&
        !reportsOffline())
        openUpdateDialog(parent, options);
}

} // namespace UpdateCommands
