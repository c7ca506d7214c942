#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QRgb>
#include <QStringList>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

// Writes a document as RTF (code page 1252): the font and colour tables, character formats
// (font, size, bold, italic, underline, strike-out, sub- and superscript, colours), paragraph
// formats (alignment, indents, spacing, tab stops) and bullets or numbering. Each run of text
// with one format is written in one piece, so a keyword typed in one format stays unbroken in
// the file and the letter generator still finds it.
class RtfWriter {
public:
    static QByteArray write(const QTextDocument& document);

private:
    // The character properties RTF carries; font and colours are table indexes.
    struct CharProps {
        int font = 0;
        int halfPoints = 24;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        int vertical = 0;
        int colour = 0;
        int background = 0;
        bool operator==(const CharProps&) const = default;
    };

    explicit RtfWriter(const QTextDocument& document);
    void collectTables();
    void noteFormat(const QTextCharFormat& format);
    void writeHeader();
    void writeBlock(const QTextBlock& block);
    void writeParagraphFormat(const QTextBlock& block);
    void writeListMarker(const QTextBlock& block);
    void writeCharProps(const QTextCharFormat& format);
    void writeText(const QString& text);
    void control(const char* word);
    void control(const char* word, int parameter);
    CharProps propsOf(const QTextCharFormat& format) const;
    QString familyOf(const QTextCharFormat& format) const;
    int colourIndex(const QColor& colour) const;

    const QTextDocument& document_;
    QStringList fonts_;
    QList<QRgb> colours_; // colour table entries after the automatic one
    QByteArray out_;
    CharProps current_;
    bool afterControl_ = false;
};
