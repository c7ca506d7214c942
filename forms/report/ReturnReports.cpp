#include "forms/report/ReturnReports.h"

#include "platform/FixedText.h"
#include "returns/report/FilingSheet.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnExplanation.h"

namespace {
using Kind = ReportBlock::Kind;

// A section's labels with their values, on two columns.
ReportBlock fieldsBlock(const FilingSection& section) {
    ReportBlock block{Kind::Fields, {}, {}, {}, 2};
    for (const FilingField& field : section.fields)
        block.cells.push_back({field.label, field.value});
    return block;
}

// The sections of one form from `index` on that belong to a location each, as a table of a
// row per location and a column per line, each row named by its location, or only by its
// number once a table named them; `index` moves past them.
ReportBlock locationTable(const std::vector<FilingSection>& sections, size_t& index, bool named) {
    const FilingSection& first = sections[index];
    QStringList header{QStringLiteral("Location")};
    for (const FilingField& field : first.fields)
        header << field.line;
    ReportBlock block{Kind::Table, {}, {}, {header}};
    for (; index < sections.size() && sections[index].form == first.form &&
           !sections[index].location.isEmpty();
         ++index) {
        QStringList row{named ? sections[index].location : sections[index].locationNumber};
        for (const FilingField& field : sections[index].fields)
            row << field.value;
        block.cells.push_back(row);
    }
    return block;
}
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
                document.blocks.push_back({Kind::Row, line.title, line.amount()});
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
    document.compact = true;
    if (!sheet.notice.isEmpty())
        document.blocks.push_back({Kind::Notice, sheet.notice, {}});
    const std::vector<FilingSection>& sections = sheet.sections;
    bool locationsNamed = false;
    for (size_t index = 0; index < sections.size();) {
        const FilingSection& section = sections[index];
        if (section.location.isEmpty()) {
            document.blocks.push_back({Kind::Subheading, section.title, {}});
            document.blocks.push_back(fieldsBlock(section));
            ++index;
            continue;
        }
        document.blocks.push_back(
            {Kind::Subheading, QStringLiteral("%1, lines by location").arg(section.form), {}});
        document.blocks.push_back(locationTable(sections, index, !locationsNamed));
        locationsNamed = true;
    }
    return document;
}
