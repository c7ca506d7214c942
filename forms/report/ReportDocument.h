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
    };
    Kind kind;
    QString text;  // the heading, the paragraph, the row's label
    QString value; // a row's value
};

struct ReportDocument {
    QString title;       // at the top of the first page and in every page's footer
    QStringList heading; // lines under the title
    std::vector<ReportBlock> blocks;
    int columns = 1; // with 2, the blocks flow down one column and then the next
};
