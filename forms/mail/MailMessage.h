#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

struct MailAttachment {
    QString name; // the file name the recipient sees
    QByteArray mimeType;
    QByteArray bytes;
};

// One e-mail: plain text body and file attachments.
struct MailMessage {
    QString from;
    QString to;
    QString subject;
    QString body;
    std::vector<MailAttachment> attachments;
};

// The message as an Internet message (RFC 5322, MIME): multipart/mixed with the body as
// UTF-8 text and every attachment base64-encoded, lines ended by CR LF. A subject or file name
// outside ASCII is written as RFC 2047 encoded words. `boundary` separates the parts and must
// not occur in them (base64 and the encoded body never contain "=_").
QByteArray composeMime(const MailMessage& message, const QDateTime& date,
                       const QByteArray& boundary);
// A boundary that cannot occur in any part.
QByteArray newMimeBoundary();
