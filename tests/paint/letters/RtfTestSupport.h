#pragma once

#include "letters/RtfReader.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>

// Small helpers shared by the RTF tests.
namespace RtfTest {
inline std::unique_ptr<QTextDocument> read(const QByteArray& rtf) {
    auto document = std::make_unique<QTextDocument>();
    RtfReader::read(rtf, *document);
    return document;
}

inline QStringList blockTexts(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

// The format of the first character of `text` in the document.
inline QTextCharFormat formatAt(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text);
    const int position = found.selectionStart();
    for (auto it = found.block().begin(); !found.isNull() && !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.position() <= position && position < fragment.position() + fragment.length())
            return fragment.charFormat();
    }
    return {};
}

inline QTextBlock blockWith(const QTextDocument& document, const QString& text) {
    return document.find(text).block();
}
} // namespace RtfTest
