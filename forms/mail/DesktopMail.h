#pragma once

#include <QString>
#include <QStringList>

// The desktop's mail program, reached through xdg-email: it opens a new message with the
// recipient, subject, body and attachment files filled in, for the user to send.
namespace DesktopMail {
// True when xdg-email is installed.
bool available();
// The xdg-email arguments for such a message.
QStringList arguments(const QString& to, const QString& subject, const QString& body,
                      const QStringList& attachmentPaths);
// Starts the mail program; false when it cannot be started.
bool compose(const QString& to, const QString& subject, const QString& body,
             const QStringList& attachmentPaths);
} // namespace DesktopMail

class MailSettings;

// Whether e-mail can be offered: a mail server is set up, or the desktop has a mail program.
bool mailAvailable(const MailSettings& settings);
