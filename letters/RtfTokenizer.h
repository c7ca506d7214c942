#pragma once

#include <QByteArray>

// One lexical element of RTF source.
struct RtfToken {
    enum Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte, End };
    Kind kind = End;
    QByteArray word;   // ControlWord: the word; Text: the bytes of the run
    int parameter = 0; // ControlWord: the number, clamped to the int range
    bool hasParameter = false;
    char symbol = 0;        // ControlSymbol
    unsigned char byte = 0; // HexByte: the value of \'hh

    static RtfToken of(Kind kind) {
        RtfToken token;
        token.kind = kind;
        return token;
    }
};

// Splits RTF source into tokens. Never reads past the end of its input, whatever the bytes:
// a backslash at the end, a short \'h or an endless number all end cleanly.
class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray& source) : source_(source) {}
    RtfToken next();
    // Skips the binary data of \binN (at most what is left; nothing for N <= 0).
    void skipBytes(qint64 count);

private:
    RtfToken controlToken();
    RtfToken controlWord();
    RtfToken hexByte();
    RtfToken textRun();
    bool atEnd() const { return position_ >= source_.size(); }
    char peek() const { return source_[position_]; }

    const QByteArray& source_;
    qsizetype position_ = 0;
};
