#include "forms/report/ReturnReports.h"

#include "platform/FixedText.h"
#include "returns/report/FilingSheet.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnExplanation.h"

namespace {
using Kind = ReportBlock::Kind;
} // namespace

ReportDocument explanationReport(const PreparedReturn& prepared,
                                 const ReturnExplanation& explanation) {
    const ReturnRecord& record = prepared.record;
    const std::string_view business = FixedText::view(record.client.businessName);
    ReportDocument document;
    document.title = QStringLiteral("How each figure was computed");
    document.heading = {
        QString::fromLatin1(business.data(), qsizetype(business.size())),
        QStringLiteral("Return for %1, due %2")
            .arg(record.texts.periodText, record.texts.dueDateText),
        QStringLiteral("These pages explain the return; they are not part of it and are not "
                       "filed.")};
    for (const ExplainedPart& part : explanation.parts) {
        if (!part.title.isEmpty())
            document.blocks.push_back({Kind::Heading, part.title, {}});
        for (const ExplainedForm& form : part.forms) {
            document.blocks.push_back({Kind::Subheading, form.title, {}});
            for (const ExplainedLine& line : form.lines) {
                document.blocks.push_back({Kind::Row, line.title, line.amount});
                document.blocks.push_back({Kind::Paragraph, line.words.text, {}});
            }
        }
    }
    return document;
}

ReportDocument filingSheetReport(const FilingSheet& sheet) {
    ReportDocument document;
    document.title = sheet.title;
    document.heading = sheet.heading;
    document.columns = 2;
    if (!sheet.notice.isEmpty())
        document.blocks.push_back({Kind::Notice, sheet.notice, {}});
    for (const FilingSection& section : sheet.sections) {
        document.blocks.push_back({Kind::Subheading, section.title, {}});
        for (const FilingField& field : section.fields)
            document.blocks.push_back({Kind::Row, field.label, field.value});
    }
    return document;
}
