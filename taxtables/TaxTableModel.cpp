#include "taxtables/TaxTableModel.h"

#include "platform/FixedText.h"
#include "taxtables/RateText.h"
#include "taxtables/TaxTable.h"

namespace {
const std::array<QString, TaxTableModel::ColumnCount> kHeaders = {
    QStringLiteral("Location Name"), QStringLiteral("County Name"), QStringLiteral("Location ID"),
    QStringLiteral("Gen. Merch."), QStringLiteral("Food,Drug")};

QString trimmedRight(const QString& text) {
    qsizetype length = text.size();
    while (length > 0 && text.at(length - 1).isSpace())
        --length;
    return text.left(length);
}
} // namespace

TaxTableModel::TaxTableModel(const TaxTable& table, QObject* parent) : QAbstractTableModel(parent) {
    rows_.reserve(static_cast<std::size_t>(table.count()));
    TaxTableRecord record{};
    for (int index = 0; index < table.count(); ++index) {
        if (!table.recordAt(index, record))
            continue;
        // The table pads names with blanks; the list shows them without the padding.
        rows_.push_back({trimmedRight(FixedText::get(record.locationName)),
                         trimmedRight(FixedText::get(record.countyName)),
                         FixedText::get(record.locationCode),
                         RateText::display(FixedText::view(record.currentGeneralRate)),
                         RateText::display(FixedText::view(record.currentFoodRate))});
    }
}

int TaxTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TaxTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TaxTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[static_cast<std::size_t>(index.row())]
                    [static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole && index.column() >= GeneralRate)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TaxTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return kHeaders[static_cast<std::size_t>(section)];
}

QString TaxTableModel::lastUpdatedText(const TaxTable& table) {
    const TableDate date = table.lastUpdated();
    return QStringLiteral("These tables were last updated :%1-%2")
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year);
}
