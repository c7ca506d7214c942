#include "settings/MailSettings.h"

namespace {
const QString kSection = QStringLiteral("Mail");
} // namespace

MailSettings::MailSettings()
    : server(kSection, QStringLiteral("Mail.Server")),
      port(kSection, QStringLiteral("Mail.Port"), 587),
      useTls(kSection, QStringLiteral("Mail.Tls"), 1), user(kSection, QStringLiteral("Mail.User")),
      sender(kSection, QStringLiteral("Mail.Sender")),
      sendWithoutLogin(kSection, QStringLiteral("Mail.SendWithoutLogin"), 0) {}
