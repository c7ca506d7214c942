#include "CaseData.h"

#include "MultiSiteCaseRun.h"
#include "ReturnCaseInput.h"
#include "forms/filling/FormSet.h"
#include "platform/Clock.h"
#include "platform/SafeWrite.h"
#include "returns/ReturnCalculation.h"
#include "returns/report/ReturnData.h"
#include "returns/report/ReturnDataCsv.h"

#include <QJsonDocument>
#include <memory>

namespace {
bool isMultiSite(const QJsonObject& input) {
    return input[QStringLiteral("client")].toObject()[QStringLiteral("multiSite")].toInt() == 1;
}

PreparedReturn singleSite(const QJsonObject& input) {
    PreparedReturn prepared;
    ReturnCaseInput::build(input, prepared.record);
    prepared.record.summary = ReturnSummary(); // as the summary step computes it
    prepared.st1Status = computeAll(prepared.record, prepared.steps);
    return prepared;
}

PreparedReturn multiSite(const QJsonObject& input, FormSet& set) {
    MultiSiteCaseRun run(input);
    CombinedFills fills;
    return run.prepared(input, set, fills);
}

void writeFile(const QString& path, QByteArrayView bytes, QStringList& failures) {
    if (const std::optional<QString> error = SafeWrite::replace(path, bytes))
        failures << QStringLiteral("%1 cannot be written: %2").arg(path, *error);
}
} // namespace

QStringList CaseData::write(const QJsonObject& testCase, const QString& base) {
    const QJsonObject input = testCase[QStringLiteral("input")].toObject();
    auto set = std::make_unique<FormSet>();
    if (isMultiSite(input) && loadFormImages(*set) != 0)
        return {QStringLiteral("the page images cannot be loaded")};
    const auto prepared = std::make_unique<PreparedReturn>(
        isMultiSite(input) ? multiSite(input, *set) : singleSite(input));
    Clock::release();
    QStringList failures;
    writeFile(base + QStringLiteral(".json"),
              QJsonDocument(ReturnData::document(*prepared)).toJson(QJsonDocument::Indented),
              failures);
    writeFile(base + QStringLiteral(".csv"), returnDataCsv(*prepared), failures);
    return failures;
}
