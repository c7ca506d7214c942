#pragma once

#include "settings/SettingsBinder.h"

#include <QString>

// The "Mail" section: how returns are sent by e-mail. With a server the program sends through
// SMTP itself (the password is asked when sending and kept for the run only); without one it
// hands the message to the desktop's mail program. Owned by the main window like the options.
class MailSettings {
public:
    MailSettings();

    QString server; // SMTP host name; empty: use the desktop's mail program
    int port = 587;
    int useTls = 1; // 1: encrypted (TLS from the start on port 465, STARTTLS on other ports)
    QString user;   // login name; empty: send without logging in
    QString sender; // the From address
    // 1: a server that offers no login gets the message without one although a user name is
    // set; 0 (the default): such a server gets nothing, since the login was asked for.
    int sendWithoutLogin = 0;

private:
    SettingsBinder binder_{QStringLiteral("Mail")};
};
