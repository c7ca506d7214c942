#pragma once

#include <QSortFilterProxyModel>

// Narrows the tables list to the rows with a cell that contains the search text. Case, dashes
// and spaces do not count, so "0010001", "001 0001" and "001-0001" all find "001-0001-6".
class TaxTableFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setSearchText(const QString& text);

    // The text as the search compares it: lower case, without dashes and white space.
    static QString compacted(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString search_;
};
