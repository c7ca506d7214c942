#include "history/ReturnInputsTable.h"

#include "history/CppSQLiteException.h"
#include "history/HistoryDatabase.h"
#include "history/HistoryFilePath.h"

#include <QFileInfo>

namespace {
const QString kTable = QStringLiteral("tblReturnInputs");
const QString kCreateTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS tblReturnInputs (ReturnIndex integer primary key, "
    "FormatVersion integer not null, PeriodType integer not null, PeriodYear integer not null, "
    "PeriodNumber integer not null, Inputs text not null);"
    // The board reads the periods alone: from this index, without the documents' pages.
    "CREATE INDEX IF NOT EXISTS idxReturnInputsPeriod ON tblReturnInputs (PeriodYear, "
    "PeriodNumber, PeriodType, FormatVersion);");
const QString kInsertInputs =
    QStringLiteral("insert into tblReturnInputs (ReturnIndex, FormatVersion, PeriodType, "
                   "PeriodYear, PeriodNumber, Inputs) values (?,?,?,?,?,?);");
const QString kListPeriods =
    QStringLiteral("select ReturnIndex, FormatVersion, PeriodType, PeriodYear, PeriodNumber from "
                   "tblReturnInputs;");
const QString kHistoryTables =
    QStringLiteral("select name from sqlite_master where type = 'table' and name in "
                   "('tblReturnHistory', 'tblReturnInputs');");
const QString kLastEntry = QStringLiteral("select max(ReturnIndex) as last from tblReturnHistory;");

int intField(const HistoryQuery& query, const char* name) {
    return query.fieldInt(QLatin1String(name));
}

// The period of an inputs row as its columns give it; nothing for a row that no version of
// this program wrote.
std::optional<FilingPeriod> rowPeriod(const HistoryQuery& query) {
    if (intField(query, "FormatVersion") < 1 ||
        intField(query, "FormatVersion") > StoredInputs::kFormatVersion)
        return std::nullopt;
    const FilingPeriod period{intField(query, "PeriodType"), intField(query, "PeriodYear"),
                              intField(query, "PeriodNumber")};
    return period.isValid() ? std::optional(period) : std::nullopt;
}

QString damagedRow(int returnIndex, const QString& problem) {
    return QStringLiteral("The inputs stored with return %1 are damaged (%2) and are not used.")
        .arg(returnIndex)
        .arg(problem);
}

bool isLater(const FilingPeriod& period, int index, const HistoryOverview& overview) {
    if (!overview.latestPeriod)
        return true;
    if (*overview.latestPeriod == period)
        return index > overview.latestIndex;
    return overview.latestPeriod->endsBefore(period);
}

void readPeriods(HistoryDatabase& database, HistoryOverview& overview) {
    int rowsRead = 0;
    for (HistoryQuery query = database.execQuery(kListPeriods); !query.eof(); query.nextRow()) {
        if (++rowsRead > HistoryDatabase::kMaxReadRows) {
            overview.problems << QStringLiteral("The history holds more than %L1 stored inputs; "
                                                "only the first %L1 are read.")
                                     .arg(HistoryDatabase::kMaxReadRows);
            return;
        }
        const int index = intField(query, "ReturnIndex");
        const std::optional<FilingPeriod> period = rowPeriod(query);
        if (!period) {
            overview.problems << damagedRow(index, QStringLiteral("no valid period"));
            continue;
        }
        if (!isLater(*period, index, overview))
            continue;
        overview.latestPeriod = period;
        overview.latestIndex = index;
    }
}

QString paymentDueOf(HistoryDatabase& database, int returnIndex) {
    HistoryQuery query = database.execQuery(
        QStringLiteral("select ST1PaymentDue from tblReturnHistory where ReturnIndex = %1;")
            .arg(returnIndex));
    return query.eof() ? QString() : query.fieldValue(QStringLiteral("ST1PaymentDue"));
}

// Which of the return table and the inputs table the file holds, from one look at its schema.
std::pair<bool, bool> historyTables(HistoryDatabase& database) {
    bool returns = false;
    bool inputs = false;
    for (HistoryQuery table = database.execQuery(kHistoryTables); !table.eof(); table.nextRow()) {
        const QString name = table.fieldValue(QStringLiteral("name"));
        returns |= name != kTable;
        inputs |= name == kTable;
    }
    return {returns, inputs};
}

void readOverview(HistoryDatabase& database, HistoryOverview& overview) {
    // One read transaction: the file is locked and checked once, not once per statement.
    HistoryDatabase::ReadTransaction reading(database);
    const auto [hasReturns, hasInputs] = historyTables(database);
    if (!hasReturns)
        return;
    const int lastIndex = intField(database.execQuery(kLastEntry), "last");
    overview.hasHistory = lastIndex > 0;
    if (hasInputs)
        readPeriods(database, overview);
    if (overview.hasHistory)
        overview.lastPaymentDue =
            paymentDueOf(database, overview.latestPeriod ? overview.latestIndex : lastIndex);
}

std::optional<FilingPeriod> columnsPeriod(HistoryDatabase& database, int returnIndex,
                                          QByteArray& document) {
    HistoryQuery query = database.execQuery(
        QStringLiteral("select FormatVersion, PeriodType, PeriodYear, PeriodNumber, Inputs from "
                       "tblReturnInputs where ReturnIndex = %1;")
            .arg(returnIndex));
    if (query.eof())
        return std::nullopt;
    document = query.fieldBlob(QStringLiteral("Inputs"));
    return rowPeriod(query).value_or(FilingPeriod{-1, 0, 0});
}
} // namespace

void ReturnInputsTable::store(HistoryDatabase& database, qint64 returnIndex,
                              const StoredInputs& inputs) {
    database.execDML(kCreateTable);
    database.execDML(kInsertInputs, {returnIndex, StoredInputs::kFormatVersion, inputs.period.type,
                                     inputs.period.year, inputs.period.number,
                                     QString::fromUtf8(inputsText(inputs))});
}

void ReturnInputsTable::remove(HistoryDatabase& database, int returnIndex) {
    if (database.hasTable(kTable))
        database.execDML(
            QStringLiteral("delete from tblReturnInputs where ReturnIndex = %1;").arg(returnIndex));
}

EntryInputs readEntryInputs(HistoryDatabase& database, int returnIndex) {
    EntryInputs result;
    try {
        if (!database.hasTable(kTable))
            return result;
        QByteArray document;
        const std::optional<FilingPeriod> columns = columnsPeriod(database, returnIndex, document);
        if (!columns)
            return result;
        result.state = EntryInputs::State::Damaged;
        result.inputs = parseStoredInputs(document, result.problem);
        if (result.inputs && !(result.inputs->period == *columns))
            result.problem = QStringLiteral("its period does not match the entry's");
        if (!result.problem.isEmpty()) {
            result.inputs.reset();
            return result;
        }
        result.state = EntryInputs::State::Stored;
    } catch (const CppSQLiteException& error) {
        result.state = EntryInputs::State::Damaged;
        result.problem = error.errorMessage();
    }
    return result;
}

HistoryOverview readHistoryOverview(const QString& clientFilePath) {
    HistoryOverview overview;
    const QString path = historyFilePath(clientFilePath);
    if (!QFileInfo::exists(path))
        return overview;
    try {
        HistoryDatabase database;
        database.open(path);
        readOverview(database, overview);
    } catch (const CppSQLiteException& error) {
        overview.unreadable = true;
        overview.problems
            << QStringLiteral("The return history cannot be read (%1).").arg(error.errorMessage());
    }
    return overview;
}

std::optional<StoredInputs> readLatestInputs(const QString& clientFilePath, QString& problem) {
    const HistoryOverview overview = readHistoryOverview(clientFilePath);
    problem = overview.problems.join(QLatin1Char(' '));
    if (!overview.latestPeriod)
        return std::nullopt;
    try {
        HistoryDatabase database;
        database.open(historyFilePath(clientFilePath));
        EntryInputs entry = readEntryInputs(database, overview.latestIndex);
        if (entry.state == EntryInputs::State::Damaged)
            problem = damagedRow(overview.latestIndex, entry.problem);
        return entry.inputs;
    } catch (const CppSQLiteException& error) {
        problem = error.errorMessage();
        return std::nullopt;
    }
}
