#pragma once

#include "taxtables/TaxTableRecord.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class SiteFieldsForm;
class TaxTable;
struct ClientLocation;

// "Specify Location Information": one site of a multi-site client with its number and the
// client's shared e-mail address. OK checks the entries and keeps the dialog open on a problem.
class LocationDialog : public QDialog {
    Q_OBJECT
public:
    LocationDialog(const TaxTable& table, QWidget* parent = nullptr);

    // Fills the fields from a location (its seven texts and its table line).
    void setLocation(const ClientLocation& location, int number, const QString& email);
    // Writes the seven texts, the table line and the number into `location`.
    void storeInto(ClientLocation& location) const;
    QString name() const;
    QString email() const;
    // A name for which `taken` is true is refused on OK ("a client of that name exists").
    void setNameTaken(std::function<bool(const QString&)> taken) { nameTaken_ = std::move(taken); }

    SiteFieldsForm* fields() const { return fields_; }
    QLineEdit* numberEdit() const { return number_; }
    QPushButton* tablesButton() const { return tables_; }

public slots:
    void accept() override;

private:
    QString problem();

    const TaxTable& table_;
    SiteFieldsForm* fields_;
    QLineEdit* number_;
    QPushButton* tables_;
    std::function<bool(const QString&)> nameTaken_;
    TaxTableRecord taxRecord_{};
};
