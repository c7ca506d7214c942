#include "history/LegacyHistoryReader.h"

#include "history/LegacyPages.h"

#include <QStringList>
#include <QtEndian>
#include <array>

namespace {
const QByteArray kHeaderText("Vantrobe Retrurn History Database\0", 34);
constexpr quint32 kMagic = 0xdae37528;
constexpr int kMagicOffset = 40;
constexpr int kSchemaRootPage = 2;
constexpr int kKeyBytes = 4;
constexpr quint32 kKeySignFlip = 0x80000000;
constexpr int kHistoryColumnCount = 7;
const std::array<const char*, kHistoryColumnCount> kHistoryColumns = {
    "ReturnDate",         "ReturnTime",    "ST1TotalReceipts", "ST1Deductions",
    "ST1TaxableReceipts", "ST1PaymentDue", "ReturnData"};
constexpr int kReturnDataColumn = 6;

using Fields = std::vector<std::optional<QByteArray>>;

// A row's fields: a table of offsets (1, 2 or 3 bytes each, by the record's size), one per
// field and one for the end, then the values, each with its terminating zero; a field whose
// offset equals the next one's is NULL.
Fields recordFields(const QByteArray& record) {
    const qsizetype size = record.size();
    const int width = size < 256 ? 1 : size < 65536 ? 2 : 3;
    auto offsetAt = [&](qsizetype index) {
        qsizetype value = 0;
        for (int byte = width - 1; byte >= 0; --byte) {
            if (index * width + byte >= size)
                throw LegacyPages::FormatError{};
            value = (value << 8) | static_cast<unsigned char>(record[index * width + byte]);
        }
        return value;
    };
    const qsizetype first = offsetAt(0);
    if (first < width || first % width != 0 || first > size)
        throw LegacyPages::FormatError{};
    Fields fields;
    for (qsizetype index = 0; index + 1 < first / width; ++index) {
        const qsizetype begin = offsetAt(index);
        const qsizetype end = offsetAt(index + 1);
        if (begin > end || end > size)
            throw LegacyPages::FormatError{};
        if (begin == end)
            fields.emplace_back();
        else
            fields.emplace_back(record.mid(begin, end - begin - 1));
    }
    return fields;
}

QString fieldText(const Fields& fields, std::size_t index) {
    return index < fields.size() && fields[index] ? QString::fromLatin1(*fields[index]) : QString();
}

qint64 rowKey(const QByteArray& key) {
    if (key.size() != kKeyBytes)
        throw LegacyPages::FormatError{};
    return static_cast<qint32>(qFromBigEndian<quint32>(key.constData()) ^ kKeySignFlip);
}

// The column names of a CREATE TABLE text, in order.
QStringList tableColumns(const QString& sql) {
    const qsizetype open = sql.indexOf(u'(');
    const qsizetype close = sql.lastIndexOf(u')');
    if (open < 0 || close < open)
        throw LegacyPages::FormatError{};
    QStringList names;
    int depth = 0;
    QString current;
    for (QChar character : sql.mid(open + 1, close - open - 1)) {
        depth += character == u'(' ? 1 : character == u')' ? -1 : 0;
        if (character == u',' && depth == 0) {
            names << current.trimmed().section(u' ', 0, 0);
            current.clear();
        } else {
            current += character;
        }
    }
    names << current.trimmed().section(u' ', 0, 0);
    return names;
}

struct ReturnTable {
    int rootPage = 0;
    std::array<int, kHistoryColumnCount> columns{};
};

// The schema table's rows are type, name, table name, root page and the creating SQL.
std::optional<ReturnTable> findReturnTable(LegacyPages& pages) {
    std::optional<ReturnTable> table;
    pages.forEachRow(kSchemaRootPage, [&](const QByteArray&, const QByteArray& data) {
        const Fields fields = recordFields(data);
        if (fieldText(fields, 0) != QStringLiteral("table") ||
            fieldText(fields, 1).compare(QStringLiteral("tblReturnHistory"), Qt::CaseInsensitive))
            return;
        const QStringList names = tableColumns(fieldText(fields, 4));
        ReturnTable found{fieldText(fields, 3).toInt(), {}};
        for (int column = 0; column < kHistoryColumnCount; ++column) {
            found.columns[static_cast<std::size_t>(column)] = static_cast<int>(names.indexOf(
                QString::fromLatin1(kHistoryColumns[static_cast<std::size_t>(column)]), 0));
            if (found.columns[static_cast<std::size_t>(column)] < 0)
                throw LegacyPages::FormatError{};
        }
        table = found;
    });
    return table;
}

LegacyHistoryRow historyRow(const ReturnTable& table, const QByteArray& key,
                            const QByteArray& data) {
    const Fields fields = recordFields(data);
    LegacyHistoryRow row;
    row.returnIndex = rowKey(key);
    for (int text = 0; text < kReturnDataColumn; ++text)
        row.texts[text] = fieldText(
            fields, static_cast<std::size_t>(table.columns[static_cast<std::size_t>(text)]));
    const auto dataColumn = static_cast<std::size_t>(table.columns[kReturnDataColumn]);
    if (dataColumn < fields.size() && fields[dataColumn])
        row.returnData = *fields[dataColumn];
    return row;
}

bool magicIsSwapped(const QByteArray& file) {
    return qFromLittleEndian<quint32>(file.constData() + kMagicOffset) != kMagic;
}
} // namespace

bool isLegacyHistoryHeader(const QByteArray& head) {
    if (head.size() < kLegacyHeaderBytes || !head.startsWith(kHeaderText))
        return false;
    const quint32 magic = qFromLittleEndian<quint32>(head.constData() + kMagicOffset);
    return magic == kMagic || qbswap(magic) == kMagic;
}

std::optional<std::vector<LegacyHistoryRow>> readLegacyHistory(const QByteArray& file) {
    if (!isLegacyHistoryHeader(file) || file.size() % LegacyPages::kPageSize != 0 ||
        file.size() < 2 * LegacyPages::kPageSize)
        return std::nullopt;
    try {
        LegacyPages pages(file, magicIsSwapped(file));
        const std::optional<ReturnTable> table = findReturnTable(pages);
        if (!table)
            return std::nullopt;
        std::vector<LegacyHistoryRow> rows;
        pages.forEachRow(table->rootPage, [&](const QByteArray& key, const QByteArray& data) {
            rows.push_back(historyRow(*table, key, data));
        });
        return rows;
    } catch (const LegacyPages::FormatError&) {
        return std::nullopt;
    }
}
