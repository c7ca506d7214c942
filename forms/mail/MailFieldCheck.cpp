#include "forms/mail/MailFieldCheck.h"

#include "forms/mail/MailMessage.h"

#include <algorithm>

namespace MailFieldCheck {

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
}

QString problem(const QString& field, const QString& text) {
    if (!hasControlCharacter(text))
        return {};
    return QStringLiteral("%1 contains a line break or another control character, which an "
                          "e-mail cannot carry there. Please correct it; no message was sent.")
        .arg(field);
}

QString problem(const MailMessage& message) {
    QString found = problem(QLatin1String(kSender), message.from);
    if (found.isEmpty())
        found = problem(QLatin1String(kRecipient), message.to);
    if (found.isEmpty())
        found = problem(QLatin1String(kSubject), message.subject);
    for (const MailAttachment& attachment : message.attachments) {
        if (found.isEmpty())
            found = problem(QStringLiteral("The attachment name \"%1\"").arg(attachment.name),
                            attachment.name);
    }
    return found;
}

} // namespace MailFieldCheck
