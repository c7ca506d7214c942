#include "letters/RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextList>

namespace {
QTextListFormat::Style listStyle(RtfListKind kind) {
    return kind == RtfListKind::Bullet ? QTextListFormat::ListDisc : QTextListFormat::ListDecimal;
}
} // namespace

// One edit block around the whole document: the layout is told of the new content once, at
// the end, instead of laying the paragraph out again after every run of text.
RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document) : cursor_(&document) {
    cursor_.beginEditBlock();
}

void RtfDocumentBuilder::appendText(const QString& text, const QTextCharFormat& format,
                                    const RtfParagraph& paragraph) {
    openBlock();
    cursor_.setBlockFormat(paragraph.block);
    cursor_.insertText(text, format);
}

void RtfDocumentBuilder::endParagraph(const RtfParagraph& paragraph) {
    openBlock();
    formatBlock(paragraph);
    blockPending_ = true;
}

void RtfDocumentBuilder::finish(const RtfParagraph& paragraph) {
    if (!blockPending_)
        formatBlock(paragraph);
    cursor_.endEditBlock();
}

void RtfDocumentBuilder::openBlock() {
    if (!blockPending_)
        return;
    cursor_.insertBlock();
    blockPending_ = false;
}

void RtfDocumentBuilder::formatBlock(const RtfParagraph& paragraph) {
    cursor_.setBlockFormat(paragraph.block);
    if (cursor_.block().length() <= 1) {
        cursor_.setBlockCharFormat(paragraph.emptyLineFormat);
        cursor_.setCharFormat(paragraph.emptyLineFormat);
    }
    applyList(paragraph);
}

void RtfDocumentBuilder::applyList(const RtfParagraph& paragraph) {
    if (paragraph.list == RtfListKind::None)
        return;
    const QTextBlock previous = cursor_.block().previous();
    QTextList* previousList = previous.isValid() ? previous.textList() : nullptr;
    const int indent = paragraph.listLevel + 1;
    if (previousList && previousList->format().style() == listStyle(paragraph.list) &&
        previousList->format().indent() == indent) {
        previousList->add(cursor_.block());
        return;
    }
    QTextListFormat format;
    format.setStyle(listStyle(paragraph.list));
    format.setIndent(indent);
    cursor_.createList(format);
}
