#pragma once

#include "settings/SettingValue.h"

// The "Mail" section: how returns are sent by e-mail. With a server the program sends through
// SMTP itself (the password is asked when sending and kept for the run only); without one it
// hands the message to the desktop's mail program. Each value is read and written in the store
// at use, so the next e-mail uses what the Options dialog set.
class MailSettings {
public:
    MailSettings();

    SettingValue<QString> server; // SMTP host name; empty: use the desktop's mail program
    SettingValue<int> port;
    SettingValue<int>
        useTls; // 1: encrypted (TLS from the start on port 465, STARTTLS on other ports)
    SettingValue<QString> user;   // login name; empty: send without logging in
    SettingValue<QString> sender; // the From address
    // 1: a server that offers no login gets the message without one although a user name is
    // set; 0 (the default): such a server gets nothing, since the login was asked for.
    SettingValue<int> sendWithoutLogin;
};
