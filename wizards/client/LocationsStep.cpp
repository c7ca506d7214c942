#include "wizards/client/LocationsStep.h"

#include "clients/ClientList.h"
#include "clients/profile/EntryChecks.h"
#include "clients/profile/LocationNumbers.h"
#include "platform/FixedText.h"
#include "ui/FirstRowByKeyboard.h"
#include "ui/FlatHeaderView.h"
#include "ui/MessageBoxes.h"
#include "wizards/client/ClientWizardState.h"
#include "wizards/client/LocationDialog.h"
#include "wizards/client/StepKeys.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString kEmptyList = QStringLiteral("Sorry the list is empty, please add a location first!");
} // namespace

LocationsStep::LocationsStep(ClientWizardState& state)
    : ClientWizardStep(StepKeys::kLocations, QStringLiteral("Locations"), state) {}

void LocationsStep::buildContents(QVBoxLayout* box) {
    box->addWidget(paragraph(
        QStringLiteral("Please use the buttons below to add, remove or modify a location. You "
                       "will need to define at least 2 locations. ")));
    box->addWidget(paragraph(QStringLiteral(
        "The first location in the list is considered the primary location. A primary location "
        "is the location whose name and address will appear on the combined ST-1, which will get "
        "generated for all the locations.")));

    list_ = new QTreeWidget;
    list_->setHeader(new FlatHeaderView(list_));
    list_->setHeaderLabels({QStringLiteral("Location #"), QStringLiteral("Location Name")});
    list_->setColumnWidth(0, 80);
    list_->setColumnWidth(1, 220);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setAllColumnsShowFocus(true);
    selectFirstRowByKeyboard(list_);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &LocationsStep::modifyLocation);
    box->addWidget(list_, 1);

    add_ = new QPushButton(QStringLiteral("&Add"));
    modify_ = new QPushButton(QStringLiteral("&Modify "));
    remove_ = new QPushButton(QStringLiteral("&Remove"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add_, modify_, remove_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    box->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, &LocationsStep::addLocation);
    connect(modify_, &QPushButton::clicked, this, &LocationsStep::modifyLocation);
    connect(remove_, &QPushButton::clicked, this, &LocationsStep::removeLocation);

    const std::vector<ClientLocation>& stored = state().answers.locations;
    for (std::size_t index = 0; index < stored.size(); ++index)
        appendRow(std::make_unique<ClientLocation>(stored[index]), static_cast<int>(index) + 1);
}

void LocationsStep::appendRow(std::unique_ptr<ClientLocation> location, int position) {
    const int number = LocationNumbers::shown(*location, position);
    rows_.push_back(std::move(location));
    list_->addTopLevelItem(new QTreeWidgetItem);
    showRow(static_cast<int>(rows_.size()) - 1, number);
}

void LocationsStep::showRow(int row, int number) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    item->setText(0, QString::number(number));
    item->setText(1, FixedText::get(rows_[static_cast<std::size_t>(row)]->name));
}

int LocationsStep::shownNumber(int row) const {
    return list_->topLevelItem(row)->text(0).toInt();
}

void LocationsStep::addLocation() {
    if (rows_.size() >= static_cast<std::size_t>(kMaxLocations)) {
        refuse(QStringLiteral("Sorry you can add up to %1 locations.").arg(kMaxLocations));
        return;
    }
    std::vector<const ClientLocation*> listed;
    for (const auto& row : rows_)
        listed.push_back(row.get());
    auto location = std::make_unique<ClientLocation>();
    LocationDialog dialog(state().taxTable, this);
    dialog.setLocation(*location, LocationNumbers::nextFree(listed),
                       FixedText::get(state().answers.locationsEmail));
    dialog.setNameTaken([this](const QString& name) { return state().clients.nameExists(name); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    FixedText::set(state().answers.locationsEmail, dialog.email());
    dialog.storeInto(*location);
    appendRow(std::move(location), static_cast<int>(rows_.size()) + 1);
}

int LocationsStep::chosenRow() {
    if (rows_.empty()) {
        refuse(kEmptyList);
        return -1;
    }
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) {
        refuse(QStringLiteral("Please select a location from the list"));
        return -1;
    }
    return list_->indexOfTopLevelItem(item);
}

void LocationsStep::modifyLocation() {
    const int row = chosenRow();
    if (row < 0)
        return;
    ClientLocation& location = *rows_[static_cast<std::size_t>(row)];
    LocationDialog dialog(state().taxTable, this);
    dialog.setLocation(location, LocationNumbers::shown(location, shownNumber(row)),
                       FixedText::get(state().answers.locationsEmail));
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.storeInto(location);
    showRow(row, location.locationNumber);
    FixedText::set(state().answers.locationsEmail, dialog.email());
}

void LocationsStep::removeLocation() {
    const int row = chosenRow();
    if (row < 0)
        return;
    if (!MessageBoxes::current().confirm(
            this, QStringLiteral("Are you sure you want to delete this location?"),
            MessageIcon::Warning, true))
        return;
    rows_.erase(rows_.begin() + row);
    delete list_->takeTopLevelItem(row);
    for (int index = 0; index < list_->topLevelItemCount(); ++index)
        list_->topLevelItem(index)->setText(0, QString::number(index + 1));
}

bool LocationsStep::store() {
    if (rows_.size() < 2) {
        refuse(QStringLiteral("Since this client is a multi-site client (files form ST-2),\n you "
                              "will need to define at least 2 locations before proceeding."));
        return false;
    }
    std::vector<ClientLocation>& result = state().answers.locations;
    result.clear();
    for (const auto& row : rows_)
        result.push_back(*row);
    return true;
}
