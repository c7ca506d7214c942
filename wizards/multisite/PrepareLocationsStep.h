#pragma once

#include "wizards/multisite/MultiSiteStep.h"

struct ClientRecord;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Page 297, "Prepare Locations": the client's locations in list order, each bound to its
// result entry. "Prepare Location" (or a double click) runs the location-mode return wizard
// for the selected location; Next needs every location prepared.
class PrepareLocationsStep : public MultiSiteStep {
    Q_OBJECT
public:
    static constexpr int kKey = 297;

    explicit PrepareLocationsStep(MultiSiteWizardState& state);

    void pageShown() override;
    int nextPressed() override;

    QTreeWidget* list() const { return list_; }
    QPushButton* prepareButton() const { return prepare_; }

public slots:
    void prepareLocation();

protected:
    void buildContents(QVBoxLayout* box) override;

private:
    void listLocations();
    // Runs the location's wizard and keeps what it computed when it ends with Finish.
    void prepare(int row);
    void showPrepared(QTreeWidgetItem* item, bool prepared);
    void prepareAgainForPeriod();
    int runLocationReturnWizard(const ClientRecord& locationClient, int row, QJsonObject& figures);

    QTreeWidget* list_ = nullptr;
    QPushButton* prepare_ = nullptr;
};
