#pragma once

#include "forms/mail/MailResult.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Where and how messages are sent: the "Mail" settings plus the password asked for this run.
struct SmtpAccount {
    QString server;
    int port = 587;
    bool useTls = true; // TLS from the start on port 465, STARTTLS on any other port
    QString user;       // empty: no login
    QString password;
    QString sender;
    // A server that offers no login is sent to without one only when this is set; otherwise
    // an account with a user name sends nothing there.
    bool sendWithoutLoginWhenNotOffered = false;
    // Bounds of the whole transfer: the connection, each answer of the server, everything.
    int connectTimeoutSeconds = 20;
    int responseTimeoutSeconds = 30;
    int timeoutSeconds = 60;
};

// Called while the message is sent with the bytes of it sent so far and its size; returning
// false cancels the transfer (the message is then not sent: the server never receives its
// end). Called on the sending thread.
using SmtpProgress = std::function<bool(qint64 sent, qint64 total)>;

// Sends a composed Internet message to one recipient through the account's SMTP server and
// waits for the server's answer, never longer than the account's bounds. A refused login, a
// server that offers none, a refused recipient, a cancelled transfer and every other failure
// are told apart, with the server's last reply. A sender or recipient with a control character
// (see MailFieldCheck) is refused before anything is sent.
MailResult sendBySmtp(const SmtpAccount& account, const QString& recipient,
                      const QByteArray& message, const SmtpProgress& progress = {});
