#include "forms/mail/MailResult.h"

QString mailFailureText(const MailResult& result) {
    switch (result.failure) {
    case MailFailure::None:
        return {};
    case MailFailure::UserCancelled:
        return QStringLiteral("The user canceled one of the dialog boxes. No message was sent.");
    case MailFailure::LoginFailed:
        return QStringLiteral("There was no default logon, and the user failed to log on "
                              "successfully when the logon dialog box was displayed. No message "
                              "was sent.");
    case MailFailure::NoLoginOffered:
        return QStringLiteral(
            "The mail server does not offer a login, so the message was not sent: your user "
            "name and password would not have been used. If this server needs no login, turn "
            "on \"Send without logging in when the server offers no login\" under Edit > "
            "Preferences > General.");
    case MailFailure::UnknownRecipient:
        return QStringLiteral(
            "A recipient did not appear in the address list. No message was sent.");
    case MailFailure::AttachmentUnreadable:
        return QStringLiteral("The specified attachment could not be opened. No message was sent.");
    case MailFailure::Unspecified:
        break;
    }
    const QString text =
        QStringLiteral("One or more unspecified errors occurred. No message was sent.");
    return result.serverReply.isEmpty() ? text : text + QLatin1Char('\n') + result.serverReply;
}
