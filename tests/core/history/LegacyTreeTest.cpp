// Older history files built page by page: a table whose B-tree has an interior page (rows in
// the interior cells as well as in the leaves), a row continued on overflow pages, written in
// either byte order.
#include "history/BinaryEncoding.h"
#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/LegacyHistoryReader.h"
#include "history/ReturnHistory.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

namespace {
constexpr int kPage = 1024;
constexpr int kLocal = 236;
const char kSql[] = "CREATE TABLE tblReturnHistory (ReturnIndex integer primary key, ReturnDate "
                    "char(20), ReturnTime char(20),ST1TotalReceipts char(20),ST1Deductions "
                    "char(20),ST1TaxableReceipts char(20),ST1PaymentDue char(20),ReturnData blob)";

struct Cell {
    int leftChild;
    int rowid;
    QByteArray data;
    int overflowPage = 0; // where the payload continues; 0: on a chain of its own
};

// Writes pages the way the older engine laid them out, in little- or big-endian order.
class LegacyFileBuilder {
public:
    explicit LegacyFileBuilder(bool bigEndian) : bigEndian_(bigEndian), file_(kPage, '\0') {
        file_.replace(0, 34, QByteArray("Vantrobe Retrurn History Database\0", 34));
        put32(0, 40, 0xdae37528);
        put32(0, 56, 4);
    }

    int addPage() {
        file_.append(QByteArray(kPage, '\0'));
        return static_cast<int>(file_.size() / kPage);
    }

    // A B-tree page holding `cells` in order, with `rightChild` after them.
    void writeTreePage(int page, int rightChild, const std::vector<Cell>& cells) {
        const qsizetype base = qsizetype(page - 1) * kPage;
        put32(base, 0, static_cast<quint32>(rightChild));
        int offset = 8;
        put16(base, 4, cells.empty() ? 0 : static_cast<quint16>(offset));
        for (std::size_t at = 0; at < cells.size(); ++at)
            offset = writeCell(base, offset, cells[at], at + 1 == cells.size());
    }

    static QByteArray record(const std::vector<std::optional<QByteArray>>& fields) {
        qsizetype bytes = 0;
        for (const auto& field : fields)
            bytes += field ? field->size() + 1 : 0;
        const qsizetype count = static_cast<qsizetype>(fields.size());
        const int width = bytes + count + 1 < 256 ? 1 : bytes + 2 * count + 2 < 65536 ? 2 : 3;
        QByteArray out;
        qsizetype address = width * (count + 1);
        auto putOffset = [&] {
            for (int byte = 0; byte < width; ++byte)
                out.append(static_cast<char>((address >> (8 * byte)) & 0xff));
        };
        for (const auto& field : fields) {
            putOffset();
            address += field ? field->size() + 1 : 0;
        }
        putOffset();
        for (const auto& field : fields) {
            if (field)
                out.append(*field).append('\0');
        }
        return out;
    }

    // The schema page naming `rootPage` as the return table's root.
    void writeSchema(int schemaPage, int rootPage) {
        writeTreePage(schemaPage, 0,
                      {{0, 1,
                        record({"table", "tblReturnHistory", "tblReturnHistory",
                                QByteArray::number(rootPage), kSql})}});
    }

    const QByteArray& bytes() const { return file_; }

private:
    int writeCell(qsizetype base, int offset, const Cell& cell, bool last) {
        QByteArray key(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(cell.rowid) ^ 0x80000000u, key.data());
        const QByteArray payload = key + cell.data;
        const int local = static_cast<int>(std::min<qsizetype>(payload.size(), kLocal));
        const int size = 12 + local + (payload.size() > kLocal ? 4 : 0);
        put32(base, offset, static_cast<quint32>(cell.leftChild));
        put16(base, offset + 4, 4);
        put16(base, offset + 6, last ? 0 : static_cast<quint16>(offset + size));
        file_[base + offset + 9] = static_cast<char>(cell.data.size() >> 16);
        put16(base, offset + 10, static_cast<quint16>(cell.data.size() & 0xffff));
        file_.replace(base + offset + 12, local, payload.left(local));
        if (payload.size() > kLocal)
            put32(base, offset + 12 + kLocal,
                  cell.overflowPage ? static_cast<quint32>(cell.overflowPage)
                                    : writeOverflow(payload.mid(kLocal)));
        return offset + size;
    }

public:
    // Writes what follows the cell's first bytes on a chain of new pages; its first page.
    quint32 writeOverflow(const QByteArray& rest) {
        const int first = addPage();
        int page = first;
        for (qsizetype at = 0; at < rest.size(); at += kPage - 4) {
            const qsizetype base = qsizetype(page - 1) * kPage;
            const QByteArray part = rest.mid(at, kPage - 4);
            file_.replace(base + 4, part.size(), part);
            if (at + kPage - 4 < rest.size()) {
                page = addPage();
                put32(base, 0, static_cast<quint32>(page));
            }
        }
        return static_cast<quint32>(first);
    }

private:
    void put32(qsizetype base, int offset, quint32 value) {
        bigEndian_ ? qToBigEndian(value, file_.data() + base + offset)
                   : qToLittleEndian(value, file_.data() + base + offset);
    }
    void put16(qsizetype base, int offset, quint16 value) {
        bigEndian_ ? qToBigEndian(value, file_.data() + base + offset)
                   : qToLittleEndian(value, file_.data() + base + offset);
    }

    bool bigEndian_;
    QByteArray file_;
};

QByteArray archiveOf(int rowid) {
    return QByteArray(rowid == 8 ? 5000 : 20, char(rowid));
}

Cell historyCell(int rowid, int leftChild = 0) {
    return {
        leftChild, rowid,
        LegacyFileBuilder::record({std::nullopt, QByteArray::number(rowid) + "-1-2005", "9:5 AM",
                                   "1,000", "0", "1,000", "62", encodeBinary(archiveOf(rowid))})};
}

// Rows 1-8: a root with rows 3 and 6 over three leaves; row 8 runs over overflow pages.
QByteArray treeFile(bool bigEndian) {
    LegacyFileBuilder builder(bigEndian);
    const int schema = builder.addPage();
    const int root = builder.addPage();
    const int leaves[] = {builder.addPage(), builder.addPage(), builder.addPage()};
    builder.writeSchema(schema, root);
    builder.writeTreePage(root, leaves[2], {historyCell(3, leaves[0]), historyCell(6, leaves[1])});
    builder.writeTreePage(leaves[0], 0, {historyCell(1), historyCell(2)});
    builder.writeTreePage(leaves[1], 0, {historyCell(4), historyCell(5)});
    builder.writeTreePage(leaves[2], 0, {historyCell(7), historyCell(8)});
    return builder.bytes();
}

TEST(LegacyTree, RowsOfInteriorAndLeafPagesComeInNumberOrderInEitherByteOrder) {
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
        const std::optional<std::vector<LegacyHistoryRow>> rows =
            readLegacyHistory(treeFile(bigEndian));
        ASSERT_TRUE(rows);
        ASSERT_EQ(rows->size(), 8u);
        for (int rowid = 1; rowid <= 8; ++rowid) {
            const LegacyHistoryRow& row = (*rows)[static_cast<std::size_t>(rowid - 1)];
            EXPECT_EQ(row.returnIndex, rowid);
            EXPECT_EQ(row.texts[0], QString::number(rowid) + "-1-2005");
            EXPECT_EQ(row.texts[5], "62");
            EXPECT_EQ(decodeBinary(row.returnData), archiveOf(rowid));
        }
    }
}

TEST(LegacyTree, BigEndianFileConvertsWithEveryRow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Vtb00001.rhi");
    TestFiles::writeAll(path, treeFile(true));
    HistoryDatabase database;
    database.open(path);
    const QList<QStringList> rows = listHistoryReturns(database);
    ASSERT_EQ(rows.size(), 8);
    EXPECT_EQ(rows[7], (QStringList{"8", "8-1-2005", "9:5 AM", "1,000", "0", "1,000", "62"}));
    EXPECT_EQ(database.execQuery("select ReturnData from tblReturnHistory where ReturnIndex = 8;")
                  .fieldBlob("ReturnData"),
              archiveOf(8));
}

// Files whose pages are reached twice: cells sharing one overflow chain (read naively, each
// cell gives the whole chain back), a chain running into the table's own tree, a table whose
// root is the schema's page. Each is refused whole, and opening it leaves it as it is.
TEST(LegacyTree, PagesReachedTwiceAreADamagedFileLeftAsItIs) {
    const auto sharedChain = [] {
        LegacyFileBuilder builder(false);
        const int schema = builder.addPage();
        const int root = builder.addPage();
        const Cell big = historyCell(8);
        QByteArray key(4, '\0');
        const int chain = static_cast<int>(builder.writeOverflow((key + big.data).mid(kLocal)));
        std::vector<Cell> cells;
        for (int rowid = 1; rowid <= 4; ++rowid)
            cells.push_back({0, rowid, big.data, chain});
        builder.writeSchema(schema, root);
        builder.writeTreePage(root, 0, cells);
        return builder.bytes();
    };
    const auto chainIntoTree = [] {
        LegacyFileBuilder builder(false);
        const int schema = builder.addPage();
        const int root = builder.addPage();
        const int leaf = builder.addPage();
        builder.writeSchema(schema, root);
        Cell intoRoot = historyCell(8);
        intoRoot.overflowPage = root;
        builder.writeTreePage(root, leaf, {historyCell(1)});
        builder.writeTreePage(leaf, 0, {intoRoot});
        return builder.bytes();
    };
    const auto tableInSchema = [] {
        LegacyFileBuilder builder(false);
        const int schema = builder.addPage();
        builder.writeSchema(schema, schema);
        return builder.bytes();
    };
    const struct {
        const char* what;
        QByteArray file;
    } cases[] = {{"cells sharing one chain", sharedChain()},
                 {"a chain into the tree", chainIntoTree()},
                 {"a table in the schema's page", tableInSchema()}};
    QTemporaryDir dir;
    for (const auto& [what, file] : cases) {
        EXPECT_FALSE(readLegacyHistory(file)) << what;
        const QString path = dir.filePath("Vtb00001.rhi");
        TestFiles::writeAll(path, file);
        HistoryDatabase database;
        EXPECT_THROW(database.open(path), CppSQLiteException) << what;
        EXPECT_EQ(TestFiles::readAll(path), file) << what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Vtb00001.rhi"}) << what;
    }
}

} // namespace
