#pragma once

#include <QByteArray>
#include <QString>

// Conversion between Qt strings and the Windows-1252 single-byte texts that client files,
// the sales tax table and the form fields use. Characters outside the code page become '?'.
namespace Cp1252 {
QString toUnicode(const char* text, qsizetype length);
inline QString toUnicode(const QByteArray& text) {
    return toUnicode(text.constData(), text.size());
}
QByteArray fromUnicode(const QString& text);
// The Unicode character of one code page byte.
QChar charOf(unsigned char byte);
} // namespace Cp1252
