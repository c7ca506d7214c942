#include "forms/mail/MailMessage.h"

#include <QLocale>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr qsizetype kBase64LineLength = 76;
// Bytes of UTF-8 per encoded word: "=?UTF-8?B?...?=" is then 64 characters, so a header line
// with one word stays within 78.
constexpr qsizetype kEncodedWordBytes = 39;

bool isPlainAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

bool isUtf8Continuation(char byte) {
    return (uchar(byte) & 0xc0) == 0x80;
}

// The text as RFC 2047 "B" encoded words, folded onto continuation lines; a multi-byte
// character is never split between two words.
QByteArray encodedWords(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    QByteArray words;
    for (qsizetype start = 0; start < utf8.size();) {
        qsizetype end = std::min(start + kEncodedWordBytes, utf8.size());
        while (end < utf8.size() && end > start + 1 && isUtf8Continuation(utf8[end]))
            --end;
        if (!words.isEmpty())
            words += "\r\n ";
        words += "=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=";
        start = end;
    }
    return words;
}

QByteArray headerText(const QString& text) {
    return isPlainAscii(text) ? text.toLatin1() : encodedWords(text);
}

// A file name parameter: quoted ASCII, or an encoded word in quotes as mail programs expect.
QByteArray fileNameParameter(const QString& name) {
    if (!isPlainAscii(name))
        return '"' + encodedWords(name) + '"';
    QByteArray quoted = name.toLatin1();
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + quoted + '"';
}

QByteArray base64Lines(const QByteArray& bytes) {
    const QByteArray encoded = bytes.toBase64();
    QByteArray lines;
    lines.reserve(encoded.size() + encoded.size() / kBase64LineLength * 2 + 2);
    for (qsizetype start = 0; start < encoded.size(); start += kBase64LineLength)
        lines += encoded.mid(start, kBase64LineLength) + "\r\n";
    return lines;
}

// "Thu, 10 Dec 2026 13:05:00 +0100"
QByteArray dateHeader(const QDateTime& date) {
    const int offsetMinutes = date.offsetFromUtc() / 60;
    const int absolute = std::abs(offsetMinutes);
    const QString zone = QStringLiteral("%1%2%3")
                             .arg(offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                             .arg(absolute / 60, 2, 10, QLatin1Char('0'))
                             .arg(absolute % 60, 2, 10, QLatin1Char('0'));
    return QLocale::c()
        .toString(date, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ") + zone)
        .toLatin1();
}

QByteArray bodyPart(const QString& body) {
    QString crlf = body;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return "Content-Type: text/plain; charset=UTF-8\r\n"
           "Content-Transfer-Encoding: base64\r\n\r\n" +
           base64Lines(crlf.toUtf8());
}

QByteArray attachmentPart(const MailAttachment& attachment) {
    const QByteArray name = fileNameParameter(attachment.name);
    return "Content-Type: " + attachment.mimeType + ";\r\n name=" + name +
           "\r\n"
           "Content-Disposition: attachment;\r\n filename=" +
           name +
           "\r\n"
           "Content-Transfer-Encoding: base64\r\n\r\n" +
           base64Lines(attachment.bytes);
}

} // namespace

QByteArray composeMime(const MailMessage& message, const QDateTime& date,
                       const QByteArray& boundary) {
    QByteArray mime = "From: " + headerText(message.from) + "\r\nTo: " + headerText(message.to) +
                      "\r\nSubject: " + headerText(message.subject) +
                      "\r\nDate: " + dateHeader(date) +
                      "\r\nMIME-Version: 1.0\r\n"
                      "Content-Type: multipart/mixed; boundary=\"" +
                      boundary + "\"\r\n\r\n";
    mime += "--" + boundary + "\r\n" + bodyPart(message.body);
    for (const MailAttachment& attachment : message.attachments)
        mime += "--" + boundary + "\r\n" + attachmentPart(attachment);
    mime += "--" + boundary + "--\r\n";
    return mime;
}

QByteArray newMimeBoundary() {
    return "=_Vantrobe_" + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
}
