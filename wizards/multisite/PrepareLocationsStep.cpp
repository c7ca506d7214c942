#include "wizards/multisite/PrepareLocationsStep.h"

#include "forms/multisite/LocationPreparation.h"
#include "platform/FixedText.h"
#include "returns/ReturnRecord.h"
#include "returns/St1Calculation.h"
#include "returns/multisite/LocationClient.h"
#include "ui/ColumnWidths.h"
#include "ui/MessageBoxes.h"
#include "ui/SelectionColors.h"
#include "ui/wizard/CWizardDialog.h"
#include "wizards/multisite/MultiSiteWizardState.h"
#include "wizards/return/ReturnWizard.h"

#include <QHBoxLayout>
#include <QHeaderView>
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
    list_ = new QTreeWidget;
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Location #"), QStringLiteral("Location Name"),
                            QStringLiteral("Location Address")});
    setColumnWidthsFittingTitles(list_, kColumnWidths);
    keepSelectionVisible(list_);
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
    LocationResults& results = *state().results;
    bindLocations(results, state().client());
    for (int row = 0; row < results.count; ++row) {
        const ClientLocation& location = results.entries[size_t(row)].location;
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::number(locationDisplayNumber(location, row)));
        item->setText(1, FixedText::get(location.name));
        item->setText(2, FixedText::get(location.address1));
    }
}

void PrepareLocationsStep::pageShown() {
    state().results->period = state().record().period;
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
    const int result = multiSite.runLocationWizard
                           ? multiSite.runLocationWizard(this, locationClient)
                           : runLocationReturnWizard(locationClient, row);
    // Back to the list, so the keyboard goes on where the preparer left it.
    window()->activateWindow();
    list_->setFocus();
    if (result != CWizardDialog::kFinished)
        return;
    if (storePreparedLocation(entry, multiSite.record()) == kSt1BasesDoNotAddUp) {
        MessageBoxes::current().inform(this, QLatin1String(kSt1BasesMessage), MessageIcon::Stop);
        return;
    }
    showPrepared(list_->topLevelItem(row));
}

// The location-mode return wizard, with the hints of the same location in the last return.
int PrepareLocationsStep::runLocationReturnWizard(const ClientRecord& locationClient, int row) {
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
    return runReturnWizard(this, std::move(wizard));
}

// A prepared location carries a check mark, so the preparer sees which are still to do.
void PrepareLocationsStep::showPrepared(QTreeWidgetItem* item) {
    item->setIcon(0, style()->standardIcon(QStyle::SP_DialogApplyButton));
    item->setToolTip(0, QStringLiteral("Prepared"));
}
