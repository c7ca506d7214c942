#include "history/LegacyHistoryConversion.h"

#include "history/BinaryEncoding.h"
#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/LegacyHistoryReader.h"

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <sqlite3.h>

namespace {
const QString kInsertRow = QStringLiteral(
    "insert into tblReturnHistory (ReturnIndex, ReturnDate, ReturnTime, ST1TotalReceipts, "
    "ST1Deductions, ST1TaxableReceipts, ST1PaymentDue, ReturnData) values (?,?,?,?,?,?,?,?);");

[[noreturn]] void refuse(const QString& why) {
    throw CppSQLiteException(SQLITE_NOTADB, why);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CppSQLiteException(SQLITE_CANTOPEN, QStringLiteral("unable to open database file"));
    return file.readAll();
}

// A row's values for the insert; an archive that cannot be decoded is carried as NULL (the
// kept original still holds it).
QVariantList rowValues(const LegacyHistoryRow& row) {
    QVariantList values{row.returnIndex};
    for (const QString& text : row.texts)
        values << text;
    const std::optional<QByteArray> archive = decodeBinary(row.returnData);
    values << (archive && !archive->isEmpty() ? QVariant(*archive) : QVariant());
    return values;
}

void writeConverted(const QString& target, const std::vector<LegacyHistoryRow>& rows) {
    QFile::remove(target);
    QFile::remove(target + QStringLiteral("-journal"));
    HistoryDatabase database;
    database.open(target);
    HistoryDatabase::Transaction transaction(database);
    database.createSchema();
    for (const LegacyHistoryRow& row : rows)
        database.execDML(kInsertRow, rowValues(row));
    transaction.commit();
}

// Keeps the original beside the file; an existing copy is taken only when it is the same.
void keepOriginal(const QString& path, const QByteArray& original) {
    const QString copyPath = legacyHistoryCopyPath(path);
    QFile existing(copyPath);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly) || existing.readAll() != original)
            refuse(QStringLiteral("another file already has the name %1").arg(copyPath));
        return;
    }
    // Written in full and synced before the original is replaced.
    QSaveFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(original) != original.size() ||
        !copy.commit())
        throw CppSQLiteException(SQLITE_CANTOPEN, QStringLiteral("cannot keep the original"));
}

// Renames over the existing file in one step. The paths go over in full (UTF-16 on Windows),
// never through the local 8-bit encoding.
void replaceFile(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(QFile(from).filesystemFileName(), QFile(to).filesystemFileName(),
                            error);
    if (error)
        throw CppSQLiteException(SQLITE_CANTOPEN, QString::fromStdString(error.message()));
}
} // namespace

QString legacyHistoryCopyPath(const QString& path) {
    return path + QStringLiteral(".v2");
}

void convertLegacyHistory(const QString& path) {
    const QByteArray original = readFile(path);
    const std::optional<std::vector<LegacyHistoryRow>> rows = readLegacyHistory(original);
    if (!rows)
        refuse(QStringLiteral("the history file cannot be read in full"));
    const QString converted = path + QStringLiteral(".converting");
    try {
        writeConverted(converted, *rows);
        keepOriginal(path, original);
        replaceFile(converted, path);
    } catch (const CppSQLiteException&) {
        QFile::remove(converted);
        throw;
    }
}
