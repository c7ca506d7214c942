#include "forms/mail/DesktopMail.h"

#include "settings/MailSettings.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
QString program() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}
} // namespace

namespace DesktopMail {

bool available() {
    return !program().isEmpty();
}

QStringList arguments(const QString& to, const QString& subject, const QString& body,
                      const QStringList& attachmentPaths) {
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), subject,
                          QStringLiteral("--body"), body};
    for (const QString& path : attachmentPaths)
        arguments << QStringLiteral("--attach") << path;
    if (!to.trimmed().isEmpty())
        arguments << to.trimmed();
    return arguments;
}

bool compose(const QString& to, const QString& subject, const QString& body,
             const QStringList& attachmentPaths) {
    const QString xdgEmail = program();
    return !xdgEmail.isEmpty() &&
           QProcess::startDetached(xdgEmail, arguments(to, subject, body, attachmentPaths));
}

} // namespace DesktopMail

bool mailAvailable(const MailSettings& settings) {
    return !settings.server.get().trimmed().isEmpty() || DesktopMail::available();
}
