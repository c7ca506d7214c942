#pragma once

#include "clients/profile/EntryChecks.h"

#include <QWidget>
#include <array>

class QGridLayout;
class QLineEdit;

// The fields of one business site, as the business step and the location dialog ask them:
// name, two address lines, city, zip code, phone, location code and e-mail address.
class SiteFieldsForm : public QWidget {
    Q_OBJECT
public:
    enum Field { Name, Address1, Address2, City, ZipCode, Phone, LocationCode, Email, FieldCount };

    // `nameLabel` is "Business Name:" or "Location Name:"; `emailLength` the characters the
    // e-mail field takes.
    SiteFieldsForm(const QString& nameLabel, int emailLength, QWidget* parent = nullptr);

    EntryChecks::SiteEntry entry() const;
    void setEntry(const EntryChecks::SiteEntry& site);

    // Shows `text` as an example under the field.
    void addExample(Field field, const QString& text);
    // The grid, for callers that add rows of their own.
    QGridLayout* grid() const { return grid_; }
    QLineEdit* edit(Field field) const { return edits_[field]; }

private:
    QLineEdit* addText(const QString& label, int length);
    QLineEdit* addMasked(const QString& label, const QString& pattern);
    void addRow(const QString& label, QWidget* field);
    // The text of a field; a masked field without any digit counts as empty.
    QString valueOf(Field field) const;

    QGridLayout* grid_;
    std::array<QLineEdit*, FieldCount> edits_{};
};
