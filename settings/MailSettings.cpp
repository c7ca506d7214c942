#include "settings/MailSettings.h"

MailSettings::MailSettings() {
    binder_.bindText(server, QStringLiteral("Mail.Server"));
    binder_.bindInt(port, QStringLiteral("Mail.Port"), 587);
    binder_.bindInt(useTls, QStringLiteral("Mail.Tls"), 1);
    binder_.bindText(user, QStringLiteral("Mail.User"));
    binder_.bindText(sender, QStringLiteral("Mail.Sender"));
    binder_.bindInt(sendWithoutLogin, QStringLiteral("Mail.SendWithoutLogin"), 0);
}
