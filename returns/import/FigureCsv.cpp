#include "returns/import/FigureCsv.h"

#include "clients/ClientRecord.h"
#include "platform/AmountText.h"
#include "platform/FixedText.h"
#include "returns/entry/EntrySteps.h"
#include "returns/import/CsvTable.h"
#include "returns/import/FigureLayout.h"
#include "returns/multisite/LocationResult.h"

#include <QLocale>
#include <algorithm>

namespace {
using EntrySteps::FieldKind;

int listedLocations(const ClientRecord& client) {
    return client.multiSite == 1 ? std::clamp(client.locationCount, 0, kMaxLocations) : 1;
}

// The cells that name the row's site: the location's number and name, or the client's name.
QStringList identification(const ClientRecord& client, int row) {
    if (client.multiSite != 1)
        return {FixedText::get(client.businessName)};
    const ClientLocation& location = client.locations[row];
    return {QString::number(locationDisplayNumber(location, row)), FixedText::get(location.name)};
}

// Dollars with their cents; a value with more decimals (never typed) keeps them all.
QString dollarsCell(double amount) {
    const QString shortest = QString::number(amount, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = shortest.indexOf(QLatin1Char('.'));
    if (point >= 0 && shortest.size() - point - 1 > AmountText::kDecimals)
        return shortest;
    return QString::number(amount, 'f', AmountText::kDecimals);
}

QString figureCell(const QJsonObject& entries, const QString& column) {
    const EntrySteps::Field* field = EntrySteps::findField(column);
    if (!field)
        return {};
    const QJsonObject section = entries[QLatin1String(field->section)].toObject();
    const QJsonObject st1 = entries[QStringLiteral("st1")].toObject();
    const bool taxIncluded = st1[QStringLiteral("foodMethod")].toInt() == 2;
    if ((column == QLatin1String("foodSalesInside") && taxIncluded) ||
        (column == QLatin1String("foodEntered") && !taxIncluded))
        return {};
    const QJsonValue value = section[column];
    switch (field->kind) {
    case FieldKind::Dollars:
        if (value.toDouble() == 0 && column != QLatin1String("totalReceipts"))
            return {};
        return dollarsCell(value.toDouble());
    case FieldKind::WholeNumber:
        return value.toInteger() == 0 ? QString() : QString::number(value.toInteger());
    case FieldKind::Method:
        return QString::number(value.toInt() + 1);
    case FieldKind::Text:
        return value.toString();
    }
    return {};
}
} // namespace

std::vector<QStringList> FigureCsv::templateRows(const ClientRecord& client) {
    return figureRows(client, {});
}

std::vector<QStringList> FigureCsv::figureRows(const ClientRecord& client,
                                               const std::vector<QJsonObject>& entries) {
    const QStringList columns = FigureLayout::columns(client);
    std::vector<QStringList> rows = {columns};
    for (int row = 0; row < listedLocations(client); ++row) {
        QStringList cells = identification(client, row);
        for (qsizetype column = cells.size(); column < columns.size(); ++column)
            cells << (size_t(row) < entries.size()
                          ? figureCell(entries[size_t(row)], columns[column])
                          : QString());
        rows.push_back(cells);
    }
    return rows;
}

QByteArray FigureCsv::utf8File(const std::vector<QStringList>& rows) {
    return QByteArray("\xEF\xBB\xBF") + formatCsv(rows, QLatin1Char(',')).toUtf8();
}
