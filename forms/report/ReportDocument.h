#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A document of text pages that the program prints and saves beside a return (the
// explanations of its figures, the electronic filing sheet): never one of the return's own
// pages.
struct ReportBlock {
    enum class Kind {
        Heading,    // a part of the document
        Subheading, // a form within a part
        Row,        // a label with its value at the right end
        Paragraph,  // text under a row, indented
        Notice,     // text that must be seen, in a frame
        Fields,     // labels with their values in `columns` columns, down each and then across
        Table,      // a row label and values in columns, under a header (the first of `cells`)
    };
    Kind kind;
    QString text;  // the heading, the paragraph, the row's label
    QString value; // a row's value
    // Fields: each a label and its value; Table: the header, then each row.
    std::vector<QStringList> cells = {};
    int columns = 1; // of Fields
};

struct ReportDocument {
    QString title;       // at the top of the first page and in every page's footer
    QStringList heading; // lines under the title
    std::vector<ReportBlock> blocks;
    bool compact = false; // smaller type and margins, for a sheet meant to fit one page
};
