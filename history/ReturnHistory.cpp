#include "history/ReturnHistory.h"

#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryEntryTexts.h"
#include "history/HistoryFilePath.h"
#include "history/PageArchive.h"
#include "history/ReturnInputsTable.h"
#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "platform/SafeUnzip.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kInsertEntry = QStringLiteral(
    "insert into tblReturnHistory (ReturnDate , ReturnTime ,ST1TotalReceipts,ST1Deductions,"
    "ST1TaxableReceipts,ST1PaymentDue , ReturnData) values (?,?,?,?,?,?,?);");
const QString kListEntries =
    QStringLiteral("select ReturnIndex ,ReturnDate, ReturnTime, ST1TotalReceipts, ST1Deductions "
                   ",ST1TaxableReceipts ,ST1PaymentDue from tblReturnHistory;");
// A history file may come from anywhere: the list shows no more rows than a preparer could
// ever store, and no text longer than a listed column could hold many times over.
constexpr int kMaxListedText = 100;
const QStringList kListedColumns = {
    QStringLiteral("ReturnIndex"),   QStringLiteral("ReturnDate"),
    QStringLiteral("ReturnTime"),    QStringLiteral("ST1TotalReceipts"),
    QStringLiteral("ST1Deductions"), QStringLiteral("ST1TaxableReceipts"),
    QStringLiteral("ST1PaymentDue")};

void storeEntry(const QString& historyPath, const HistoryEntryTexts& texts,
                const QByteArray& archive, const std::optional<StoredInputs>& inputs) {
    HistoryDatabase database;
    database.open(historyPath);
    HistoryDatabase::Transaction transaction(database);
    if (!database.hasReturnTable())
        database.createSchema();
    database.execDML(kInsertEntry,
                     {texts.returnDate, texts.returnTime, texts.totalReceipts, texts.deductions,
                      texts.taxableReceipts, texts.paymentDue, archive});
    if (inputs)
        ReturnInputsTable::store(database, database.lastInsertRowId(), *inputs);
    transaction.commit();
}

std::optional<QByteArray> storedArchive(HistoryDatabase& database, int returnIndex) {
    try {
        HistoryQuery query = database.execQuery(
            QStringLiteral("select ReturnData from tblReturnHistory where ReturnIndex = %1;")
                .arg(returnIndex));
        if (query.eof())
            return std::nullopt;
        QByteArray archive = query.fieldBlob(QStringLiteral("ReturnData"));
        return archive.isEmpty() ? std::nullopt : std::optional<QByteArray>(archive);
    } catch (const CppSQLiteException&) {
        return std::nullopt;
    }
}

bool writeArchive(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

PageEntry historyPage(const QString& path) {
    PageEntry page;
    page.imagePaths[0] = path;
    return page;
}
} // namespace

bool addReturnToHistory(const QString& clientFilePath, const PageList& pages,
                        const ReturnSummary& summary, const std::optional<StoredInputs>& inputs) {
    return addReturnToHistoryFile(historyFilePath(clientFilePath), pages, summary, inputs);
}

bool addReturnToHistoryFile(const QString& historyPath, const PageList& pages,
                            const ReturnSummary& summary,
                            const std::optional<StoredInputs>& inputs) {
    if (pages.empty())
        return false;
    const std::optional<QByteArray> archive = pageArchiveBytes(pages);
    if (!archive)
        return false;
    const bool existed = QFileInfo::exists(historyPath);
    try {
        storeEntry(historyPath, historyEntryTexts(Clock::now(), summary), *archive, inputs);
        return true;
    } catch (const CppSQLiteException&) {
        // A history file this store began is not left behind empty.
        if (!existed)
            QFile::remove(historyPath);
        return false;
    }
}

QList<QStringList> listHistoryReturns(HistoryDatabase& database) {
    QList<QStringList> rows;
    try {
        for (HistoryQuery query = database.execQuery(kListEntries);
             !query.eof() && rows.size() < HistoryDatabase::kMaxReadRows; query.nextRow()) {
            QStringList row;
            for (const QString& column : kListedColumns)
                row << query.fieldValue(column).left(kMaxListedText);
            rows << row;
        }
    } catch (const CppSQLiteException&) {
    }
    return rows;
}

std::optional<PageList> extractHistoryReturn(HistoryDatabase& database, int returnIndex,
                                             const QString& archivePath,
                                             const QString& pagesFolder) {
    const std::optional<QByteArray> archive = storedArchive(database, returnIndex);
    if (!archive || !writeArchive(archivePath, *archive))
        return std::nullopt;
    // Unpacked from the bytes read, never from the file just written.
    const std::optional<QStringList> files =
        SafeUnzip::unpack(*archive, pagesFolder, SafeUnzip::Layout::Flat);
    if (!files)
        return std::nullopt;
    PageList pages;
    for (const QString& file : *files)
        pages.push_back(historyPage(file));
    return pages;
}

bool deleteHistoryReturn(HistoryDatabase& database, int returnIndex) {
    try {
        HistoryDatabase::Transaction transaction(database);
        database.execDML(QStringLiteral("delete from tblReturnHistory where ReturnIndex = %1;")
                             .arg(returnIndex));
        ReturnInputsTable::remove(database, returnIndex);
        transaction.commit();
        return true;
    } catch (const CppSQLiteException&) {
        return false;
    }
}

QString unzippedPagesFolder() {
    return PrivateTempFolder::filePath(QStringLiteral("UnzippedEmf"));
}
