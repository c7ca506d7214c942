#pragma once

#include <QString>

// How sending a message ended.
enum class MailFailure {
    None,
    UserCancelled,        // the preparer cancelled the password prompt or the sending
    LoginFailed,          // the server refused the user name or password
    NoLoginOffered,       // a user name is set but the server offers no login
    UnknownRecipient,     // the server refused the recipient's address
    AttachmentUnreadable, // an attachment file could not be read
    Unspecified,          // anything else: no connection, a refused message, a timeout
};

struct MailResult {
    MailFailure failure = MailFailure::None;
    QString serverReply; // the server's last reply, or the connection error

    bool ok() const { return failure == MailFailure::None; }
};

// The message shown for a failure: the text of its kind, and for an unspecified failure the
// server's reply on a second line.
QString mailFailureText(const MailResult& result);
