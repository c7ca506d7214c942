#pragma once

#include "letters/RtfReaderState.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

// A paragraph's formats as the reader resolved them.
struct RtfParagraph {
    QTextBlockFormat block;
    QTextCharFormat emptyLineFormat; // sets the height of a paragraph without text
    RtfListKind list = RtfListKind::None;
    int listLevel = 0;
};

// Fills a document paragraph by paragraph. RTF ends every paragraph with \par, so a new block
// is opened only when content follows a paragraph mark: "A\par" is one paragraph, "A\par B"
// two, and "\par\par" two empty ones.
class RtfDocumentBuilder {
public:
    explicit RtfDocumentBuilder(QTextDocument& document);
    void appendText(const QString& text, const QTextCharFormat& format,
                    const RtfParagraph& paragraph);
    void endParagraph(const RtfParagraph& paragraph);
    // Formats the last paragraph when the source did not end it with \par, and hands the
    // whole content to the document's layout. Called once, after everything else.
    void finish(const RtfParagraph& paragraph);

private:
    void openBlock();
    void formatBlock(const RtfParagraph& paragraph);
    void applyList(const RtfParagraph& paragraph);

    QTextCursor cursor_;
    bool blockPending_ = false;
};
