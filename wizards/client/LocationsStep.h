#pragma once

#include "clients/ClientRecord.h"
#include "wizards/client/ClientWizardStep.h"

#include <memory>
#include <vector>

class QPushButton;
class QTreeWidget;

// "Locations" of a multi-site client: the list of its sites, each row bound to its own
// location record, with Add, Modify and Remove. Leaving the step needs at least two sites and
// makes the rows, in list order, the client's locations.
class LocationsStep : public ClientWizardStep {
    Q_OBJECT
public:
    explicit LocationsStep(ClientWizardState& state);

    QTreeWidget* list() const { return list_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* modifyButton() const { return modify_; }
    QPushButton* removeButton() const { return remove_; }

public slots:
    void addLocation();
    void modifyLocation();
    void removeLocation();

protected:
    void buildContents(QVBoxLayout* box) override;
    bool store() override;

private:
    void appendRow(std::unique_ptr<ClientLocation> location, int position);
    void showRow(int row, int number);
    // The selected row, or -1 after telling the preparer what is missing.
    int chosenRow();
    int shownNumber(int row) const;

    std::vector<std::unique_ptr<ClientLocation>> rows_;
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* remove_ = nullptr;
};
