#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

class TaxTable;

// The sales tax table as a read-only list: one row per location in table order with its name,
// county, location code and the current general merchandise and food, drug rates as
// percentages.
class TaxTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { LocationName, CountyName, LocationCode, GeneralRate, FoodRate, ColumnCount };

    explicit TaxTableModel(const TaxTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // "These tables were last updated :07-2005".
    static QString lastUpdatedText(const TaxTable& table);

private:
    std::vector<std::array<QString, ColumnCount>> rows_;
};
