#include "platform/RtfText.h"

#include "platform/Cp1252.h"

namespace {
void appendCharacter(QByteArray& out, QChar c) {
    const char16_t u = c.unicode();
    if (u == u'\\' || u == u'{' || u == u'}') {
        out += '\\';
        out += static_cast<char>(u);
    } else if (u == u'\t') {
        out += "\\tab ";
    } else if (u == QChar::LineSeparator || u == u'\n') {
        out += "\\line ";
    } else if (u < 0x20) {
        // Other control characters have no place in a letter.
    } else if (u < 0x80) {
        out += static_cast<char>(u);
    } else {
        const QByteArray encoded = Cp1252::fromUnicode(QString(c));
        if (Cp1252::charOf(static_cast<unsigned char>(encoded[0])) == c) {
            out += "\\'" + encoded.toHex();
        } else {
            // RTF's \u parameter is a signed 16-bit number; "?" is the fallback readers skip.
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
        }
    }
}
} // namespace

QByteArray rtfEscapedText(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text)
        appendCharacter(out, c);
    return out;
}
