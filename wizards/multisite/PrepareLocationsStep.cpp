#include "wizards/multisite/PrepareLocationsStep.h"

#include "forms/multisite/LocationImport.h"
#include "forms/multisite/LocationPreparation.h"
#include "platform/FixedText.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationClient.h"
#include "returns/multisite/PreparedLocation.h"
#include "ui/ColumnWidths.h"
#include "ui/FirstRowByKeyboard.h"
#include "ui/MessageBoxes.h"
#include "ui/SelectionColors.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/MultiSiteWizardState.h"
#include "wizards/return/EntryFields.h"
#include "wizards/return/ReturnWizard.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kColumnWidths[] = {65, 180, 210};
constexpr char kSelectLocation[] = "Please select a location from the list";
constexpr char kUnprepared[] =
    "Sorry,\nYou can't proceed to the next step until you do calculations for all locations.";
} // namespace

PrepareLocationsStep::PrepareLocationsStep(MultiSiteWizardState& state)
    : MultiSiteStep(kKey, QStringLiteral("Prepare Locations"), state) {}

void PrepareLocationsStep::buildContents(QVBoxLayout* box) {
    box->addWidget(paragraph(QStringLiteral(
        "Select a location and press \"Prepare Location\" (or double-click it) to enter its "
        "figures. A prepared location is ticked; when every location is, press \"Next >\".")));
    list_ = new QTreeWidget;
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Location #"), QStringLiteral("Location Name"),
                            QStringLiteral("Location Address")});
    setColumnWidthsFittingTitles(list_, kColumnWidths);
    keepSelectionVisible(list_);
    selectFirstRowByKeyboard(list_);
    list_->header()->setStretchLastSection(false);
    box->addWidget(list_);
    prepare_ = new QPushButton(QStringLiteral("&Prepare Location"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(prepare_);
    box->addLayout(buttons);
    connect(prepare_, &QPushButton::clicked, this, &PrepareLocationsStep::prepareLocation);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &PrepareLocationsStep::prepareLocation);
    listLocations();
}

void PrepareLocationsStep::listLocations() {
    const LocationResults& results = *state().results;
    for (int row = 0; row < results.count; ++row) {
        const ClientLocation& location = results.entries[size_t(row)].location;
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::number(locationDisplayNumber(location, row)));
        item->setText(1, FixedText::get(location.name));
        item->setText(2, FixedText::get(location.address1));
    }
}

void PrepareLocationsStep::pageShown() {
    if (!(state().results->period == state().record().period))
        prepareAgainForPeriod();
    // Locations imported on the period step come prepared.
    for (int row = 0; row < state().results->count; ++row)
        showPrepared(list_->topLevelItem(row), state().results->entries[size_t(row)].prepared);
}

// Locations prepared for another period are prepared again from their figures, so their
// lines use the rates of the period now chosen.
void PrepareLocationsStep::prepareAgainForPeriod() {
    MultiSiteWizardState& multiSite = state();
    const std::vector<int> refused = prepareLocationsAgain(
        *multiSite.results, multiSite.record(), multiSite.shared.forms, multiSite.client(),
        multiSite.record().period, multiSite.locationFigures, multiSite.context());
    for (const int row : refused)
        MessageBoxes::current().inform(
            this,
            QStringLiteral("Location %1 must be prepared again: with the period now chosen, %2")
                .arg(list_->topLevelItem(row)->text(0),
                     QString::fromLatin1(kSt1BasesMessage).trimmed()),
            MessageIcon::Stop);
}

int PrepareLocationsStep::nextPressed() {
    if (allLocationsPrepared(*state().results))
        return kMoveOn;
    MessageBoxes::current().inform(this, QLatin1String(kUnprepared), MessageIcon::Warning);
    return kStay;
}

void PrepareLocationsStep::prepareLocation() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) {
        MessageBoxes::current().inform(this, QLatin1String(kSelectLocation), MessageIcon::Warning);
        return;
    }
    prepare(list_->indexOfTopLevelItem(item));
}

void PrepareLocationsStep::prepare(int row) {
    MultiSiteWizardState& multiSite = state();
    LocationResult& entry = multiSite.results->entries[size_t(row)];
    const ClientRecord locationClient = locationClientRecord(multiSite.client(), entry.location);
    startLocationPreparation(multiSite.record(), multiSite.shared.forms, multiSite.results->period,
                             locationClient, multiSite.context());
    QJsonObject figures = multiSite.locationFigures[size_t(row)];
    const int result = multiSite.runLocationWizard
                           ? multiSite.runLocationWizard(this, locationClient, figures)
                           : runLocationReturnWizard(locationClient, row, figures);
    // Back to the list, so the keyboard goes on where the preparer left it.
    window()->activateWindow();
    list_->setFocus();
    if (result != CWizardDialog::kFinished)
        return;
    if (storePreparedLocation(entry, multiSite.record()) == kSt1BasesDoNotAddUp) {
        MessageBoxes::current().inform(this, QLatin1String(kSt1BasesMessage), MessageIcon::Stop);
        return;
    }
    multiSite.locationFigures[size_t(row)] = figures;
    showPrepared(list_->topLevelItem(row), true);
}

// The location-mode return wizard, starting from the location's figures (imported or typed
// before) and showing the hints of the same location in the last return; when it finishes,
// `figures` holds what its steps hold.
int PrepareLocationsStep::runLocationReturnWizard(const ClientRecord& locationClient, int row,
                                                  QJsonObject& figures) {
    const MultiSiteWizardState& multiSite = state();
    ClientInfo location;
    location.record = locationClient;
    ReturnWizardState wizard{multiSite.record(),
                             multiSite.shared.forms,
                             multiSite.shared.settings,
                             location,
                             true,
                             false,
                             {}};
    if (multiSite.lastReturn) {
        const ClientLocation& listed = multiSite.results->entries[size_t(row)].location;
        if (const auto carry = carryForwardForLocation(*multiSite.lastReturn, listed, row))
            startFromLastReturn(wizard, *carry);
    }
    if (!figures.isEmpty())
        wizard.startEntries = figures;
    ReturnWizard dialog(std::move(wizard), this);
    const int result = dialog.exec();
    if (result == CWizardDialog::kFinished)
        figures = EntryFields::entered(dialog);
    return result;
}

// A prepared location carries a check mark, so the preparer sees which are still to do.
void PrepareLocationsStep::showPrepared(QTreeWidgetItem* item, bool prepared) {
    item->setIcon(0, prepared ? style()->standardIcon(QStyle::SP_DialogApplyButton) : QIcon());
    item->setToolTip(0, prepared ? QStringLiteral("Prepared") : QString());
}
