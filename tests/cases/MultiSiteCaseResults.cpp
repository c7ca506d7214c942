#include "MultiSiteCaseResults.h"

#include "CasePageSections.h"
#include "forms/multisite/St2Rows.h"
#include "platform/CFormat.h"
#include "returns/GroupThousands.h"
#include "returns/St1Calculation.h"
#include "returns/report/ReturnData.h"

namespace {
QJsonValue indexOrNull(int index) {
    return index >= 0 ? QJsonValue(index) : QJsonValue(QJsonValue::Null);
}

QString formName(MultiSitePage::Form form) {
    static const char* const kNames[] = {"st1Page1", "st1Page2", "st2", "st8", "st14", "st4"};
    return QLatin1String(kNames[int(form)]);
}

QJsonValue amount(Dollars value) {
    return static_cast<qint64>(value);
}

QJsonArray pagesWithoutFailedFields(const QJsonArray& pages) {
    QJsonArray result;
    for (const QJsonValue& page : pages)
        result.append(CasePageSections::withoutFailedFields(page));
    return result;
}

QJsonObject locationWithoutFailedFields(QJsonObject location) {
    for (const char* page : {"st14Page", "st4Page", "st8Page"})
        location[QLatin1String(page)] =
            CasePageSections::withoutFailedFields(location[QLatin1String(page)]);
    return location;
}
} // namespace

QJsonObject MultiSiteCaseResults::combinedSection(const ReturnRecord& combined,
                                                  Dollars voucherAmount) {
    QJsonObject sections = ReturnData::combinedSections(combined);
    sections[QStringLiteral("voucherAmount")] = amount(voucherAmount);
    return sections;
}

QJsonObject MultiSiteCaseResults::summarySection(const ReturnSummary& summary) {
    return {{QStringLiteral("line1"), amount(summary.summaryTotalReceipts)},
            {QStringLiteral("line2"), amount(summary.summaryDeductions)},
            {QStringLiteral("line3"), amount(summary.summaryTaxableReceipts)},
            {QStringLiteral("line25"), amount(summary.summaryPaymentDue)},
            {QStringLiteral("totalReceipts"), groupThousands(summary.summaryTotalReceipts)},
            {QStringLiteral("deductions"), groupThousands(summary.summaryDeductions)},
            {QStringLiteral("taxableReceipts"), groupThousands(summary.summaryTaxableReceipts)},
            {QStringLiteral("paymentDue"), groupThousands(summary.summaryPaymentDue)}};
}

QJsonArray MultiSiteCaseResults::st2PagesSection(const FormSet& set, const CombinedFills& fills,
                                                 int locations) {
    QJsonArray pages;
    for (int page = 0; page < st2PagesUsed(locations); ++page) {
        const St2PageForm& form = set.st2Pages[size_t(page)];
        const std::optional<bool> ok = fills.st2Pages[size_t(page)];
        pages.append(QJsonObject{
            {QStringLiteral("ok"), ok ? QJsonValue(*ok) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("failedKey"), CasePageSections::keyOrNull(form.failedKey())},
            {QStringLiteral("fields"), CasePageSections::fieldTexts(form)}});
    }
    return pages;
}

QJsonArray MultiSiteCaseResults::pageListSection(const std::vector<MultiSitePage>& pages,
                                                 int vendorId) {
    QJsonArray list;
    for (const MultiSitePage& page : pages)
        list.append(QJsonObject{
            {QStringLiteral("kind"), formName(page.form)},
            {QStringLiteral("pageKind"), 0},
            {QStringLiteral("caption"), page.captioned() ? QJsonValue(cFormat("ID: %4d", vendorId))
                                                         : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("location"), indexOrNull(page.location)},
            {QStringLiteral("st2Page"), indexOrNull(page.st2Page)}});
    return list;
}

QJsonObject MultiSiteCaseResults::withoutFailedFields(const QJsonObject& expected) {
    QJsonObject result = expected;
    for (const char* page : {"st1Page1", "st1Page2"}) {
        if (expected.contains(QLatin1String(page)))
            result[QLatin1String(page)] =
                CasePageSections::withoutFailedFields(expected[QLatin1String(page)]);
    }
    if (expected.contains(QStringLiteral("st2Pages")))
        result[QStringLiteral("st2Pages")] =
            pagesWithoutFailedFields(expected[QStringLiteral("st2Pages")].toArray());
    if (expected.contains(QStringLiteral("locations"))) {
        QJsonArray locations;
        for (const QJsonValue& location : expected[QStringLiteral("locations")].toArray())
            locations.append(locationWithoutFailedFields(location.toObject()));
        result[QStringLiteral("locations")] = locations;
    }
    return result;
}
