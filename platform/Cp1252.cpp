#include "platform/Cp1252.h"

#include <array>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80-0x9F; undefined positions map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char byteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}
} // namespace

QChar Cp1252::charOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(byte);
}

QString Cp1252::toUnicode(const char* text, qsizetype length) {
    QString result(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        result[i] = charOf(static_cast<unsigned char>(text[i]));
    return result;
}

QByteArray Cp1252::fromUnicode(const QString& text) {
    QByteArray result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = byteOf(text[i]);
    return result;
}
