#include "letters/RtfTokenizer.h"

#include <limits>

namespace {
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
// Longest control word and number the reader takes; longer runs are cut, not trusted.
constexpr int kMaxWordLength = 32;
constexpr int kMaxDigits = 10;
} // namespace

RtfToken RtfTokenizer::next() {
    while (!atEnd()) {
        const char c = source_[position_++];
        switch (c) {
        case '{':
            return RtfToken::of(RtfToken::GroupStart);
        case '}':
            return RtfToken::of(RtfToken::GroupEnd);
        case '\\':
            return controlToken();
        case '\r':
        case '\n':
            continue; // line ends in the source are not text
        default:
            --position_;
            return textRun();
        }
    }
    return RtfToken::of(RtfToken::End);
}

void RtfTokenizer::skipBytes(qint64 count) {
    if (count <= 0)
        return; // a negative count would move back over source already read
    position_ += static_cast<qsizetype>(std::min<qint64>(count, source_.size() - position_));
}

RtfToken RtfTokenizer::controlToken() {
    if (atEnd())
        return RtfToken::of(RtfToken::End);
    const char c = peek();
    if (isLetter(c))
        return controlWord();
    ++position_;
    if (c == '\'')
        return hexByte();
    RtfToken token = RtfToken::of(RtfToken::ControlSymbol);
    // A backslash before a line end is a paragraph mark.
    token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
    return token;
}

RtfToken RtfTokenizer::controlWord() {
    RtfToken token = RtfToken::of(RtfToken::ControlWord);
    const qsizetype start = position_;
    while (!atEnd() && isLetter(peek()) && position_ - start < kMaxWordLength)
        ++position_;
    token.word = source_.mid(start, position_ - start);
    bool negative = false;
    if (!atEnd() && peek() == '-' && position_ + 1 < source_.size() &&
        isDigit(source_[position_ + 1])) {
        negative = true;
        ++position_;
    }
    qint64 value = 0;
    int digits = 0;
    while (!atEnd() && isDigit(peek()) && digits < kMaxDigits) {
        value = value * 10 + (peek() - '0');
        ++digits;
        ++position_;
    }
    if (digits > 0) {
        constexpr qint64 limit = std::numeric_limits<int>::max();
        token.hasParameter = true;
        token.parameter = static_cast<int>(std::min(value, limit)) * (negative ? -1 : 1);
    }
    if (!atEnd() && peek() == ' ')
        ++position_; // the delimiting space belongs to the control word
    return token;
}

RtfToken RtfTokenizer::hexByte() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
        const int digit = atEnd() ? -1 : hexValue(peek());
        if (digit < 0)
            return RtfToken::of(RtfToken::ControlSymbol); // a broken escape is dropped
        value = value * 16 + digit;
        ++position_;
    }
    RtfToken token = RtfToken::of(RtfToken::HexByte);
    token.byte = static_cast<unsigned char>(value);
    return token;
}

RtfToken RtfTokenizer::textRun() {
    const qsizetype start = position_;
    while (!atEnd()) {
        const char c = peek();
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++position_;
    }
    RtfToken token = RtfToken::of(RtfToken::Text);
    token.word = source_.mid(start, position_ - start);
    return token;
}
