#include "StoredInputsCheck.h"

#include "history/ReturnHistory.h"
#include "history/ReturnInputsTable.h"
#include "platform/Clock.h"
#include "returns/EnteredSections.h"
#include "returns/ReturnRecord.h"
#include "support/HistoryTestFiles.h"

#include <QFile>
#include <QJsonArray>
#include <gtest/gtest.h>
#include <memory>

namespace {
const char* const kEntrySections[] = {"st1", "worksheet", "fuelSales", "st14", "st4", "st8"};
const TaxTableIdentity kTable{"2005-07-01", "TRAILER", "0f"};

std::optional<StoredInputs> storeAndReadBack(const ReturnRecord& record, const StoredInputs& inputs,
                                             QString& problem) {
    const ScopedTempFolder folder;
    const QString client = folder.path() + QStringLiteral("/Vtb00001.kvr");
    const PageList pages = HistoryTestFiles::makePages(1);
    const bool stored = addReturnToHistory(client, pages, record.summary, inputs);
    QFile::remove(pages.front().path());
    if (!stored) {
        problem = QStringLiteral("the return was not stored");
        return std::nullopt;
    }
    return readLatestInputs(client, problem);
}

// The entry sections the wizard's pages store for `sections` of a case.
QJsonObject enteredAsStored(const QJsonObject& sections, const ClientRecord& client) {
    auto record = std::make_unique<ReturnRecord>();
    takeClient(*record, client);
    EnteredSections::storeEntries(sections, *record);
    return EnteredSections::entries(*record);
}

void expectSameSections(const QJsonObject& read, const QJsonObject& expected,
                        const std::string& where) {
    for (const char* key : kEntrySections)
        EXPECT_EQ(read[QLatin1String(key)], expected[QLatin1String(key)]) << where << ": " << key;
}

void expectSamePeriod(const StoredInputs& read, const ReturnRecord& record,
                      const QJsonObject& input, const std::string& where) {
    const QJsonObject chosen = read.document[QStringLiteral("period")].toObject();
    EXPECT_EQ(EnteredSections::periodChoice(chosen),
              EnteredSections::periodChoice(input[QStringLiteral("period")].toObject()))
        << where;
    EXPECT_EQ(read.period, filingPeriodOf(record.period, Clock::today())) << where;
    EXPECT_EQ(read.summary().summaryPaymentDue, record.summary.summaryPaymentDue) << where;
}
} // namespace

void StoredInputsCheck::singleSite(const ReturnRecord& record, const QJsonObject& input,
                                   const QString& where) {
    const std::string at = where.toStdString();
    QString problem;
    const std::optional<StoredInputs> read =
        storeAndReadBack(record, singleSiteInputs(record, Clock::today(), kTable), problem);
    ASSERT_TRUE(read) << at << ": " << problem.toStdString();
    EXPECT_FALSE(read->isMultiSite()) << at;
    expectSameSections(read->entrySections(), enteredAsStored(input, record.client), at);
    expectSamePeriod(*read, record, input, at);
}

void StoredInputsCheck::multiSite(const ReturnRecord& combined, const LocationResults& locations,
                                  const QJsonObject& input, const QString& where) {
    const std::string at = where.toStdString();
    QString problem;
    const std::optional<StoredInputs> read = storeAndReadBack(
        combined, multiSiteInputs(combined, locations, Clock::today(), kTable), problem);
    ASSERT_TRUE(read) << at << ": " << problem.toStdString();
    ASSERT_TRUE(read->isMultiSite()) << at;
    const QJsonArray entered = input[QStringLiteral("locations")].toArray();
    ASSERT_EQ(read->locations().size(), entered.size()) << at;
    for (qsizetype row = 0; row < entered.size(); ++row) {
        const QJsonObject location = read->locations()[row].toObject();
        expectSameSections(location, enteredAsStored(entered[row].toObject(), combined.client),
                           at + ": location " + std::to_string(row + 1));
    }
    expectSamePeriod(*read, combined, input, at);
}
