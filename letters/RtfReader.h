#pragma once

#include "letters/RtfDocumentBuilder.h"
#include "letters/RtfReaderState.h"
#include "letters/RtfTokenizer.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

class QTextDocument;

// Reads RTF into a document: fonts and the font table, sizes, bold, italic, underline,
// strike-out, sub- and superscript, colours and the colour table, alignment, indents, spacing,
// tab stops, bullets and numbering (old \pn and newer list tables), \par and \line, \'hh in
// code page 1252 and \uN. Pictures, headers, fields' instructions, style sheets and every
// unknown destination are skipped. Any input is safe: broken or hostile RTF gives a partial
// document, never a crash, and nesting and tables are bounded.
class RtfReader {
public:
    // Replaces the content of `document`. Text that is not RTF (it does not start with
    // "{\rtf") is loaded as plain text in code page 1252; the result says which it was.
    static bool read(const QByteArray& source, QTextDocument& document);

private:
    RtfReader(const QByteArray& source, QTextDocument& document);
    void run();
    void openGroup();
    void closeGroup();
    void onControlWord(const RtfToken& token);
    void onControlSymbol(char symbol);
    void onText(const QString& text);
    bool takeDestination(const QByteArray& word);
    bool takeCharacterWord(const QByteArray& word, int parameter, bool hasParameter);
    bool takeParagraphWord(const QByteArray& word, int parameter);
    bool takeSpecialCharacter(const QByteArray& word);
    void takeTableWord(const QByteArray& word, int parameter);
    void takeUnicode(int parameter);
    void flushText();
    void endParagraph();
    void finishDocument();
    RtfParagraph currentParagraph() const;
    QTextCharFormat charFormat(const RtfCharState& chars) const;
    QString fontFamily(int font) const;
    QString decodeBytes(const QByteArray& bytes) const;

    RtfGroupState& state() { return stack_.last(); }
    const RtfGroupState& state() const { return stack_.last(); }
    bool inText() const {
        return overflowDepth_ == 0 && state().destination == RtfDestination::Text;
    }

    RtfTokenizer tokens_;
    QTextDocument& document_;
    RtfDocumentBuilder builder_;
    QList<RtfGroupState> stack_;
    int overflowDepth_ = 0;   // groups nested deeper than the reader follows
    bool groupStart_ = false; // the last token opened a group
    bool starred_ = false;    // \* seen at the start of this group
    int pendingSkip_ = 0;     // fallback characters still to drop after \uN
    bool finished_ = false;   // the document's closing brace was read

    QString pendingText_;
    RtfCharState pendingChars_;

    int defaultFont_ = 0;
    QHash<int, QString> fonts_;
    int tableFont_ = 0;
    QString tableFontName_;
    QList<QColor> colours_;
    QColor tableColour_;
    QHash<int, RtfListKind> lists_; // \listid -> kind of its first level
    QHash<int, int> listOverrides_; // \ls -> \listid
    int tableLevels_ = 0;
    RtfListKind tableListKind_ = RtfListKind::Bullet;
    int tableOverrideList_ = 0;
};
