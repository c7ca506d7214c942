#pragma once

#include "forms/mail/MailResult.h"

#include <QByteArray>
#include <QString>

// Where and how messages are sent: the "Mail" settings plus the password asked for this run.
struct SmtpAccount {
    QString server;
    int port = 587;
    bool useTls = true; // TLS from the start on port 465, STARTTLS on any other port
    QString user;       // empty: no login
    QString password;
    QString sender;
    int timeoutSeconds = 60;
};

// Sends a composed Internet message to one recipient through the account's SMTP server and
// waits for the server's answer. A refused login, a refused recipient and every other failure
// are told apart, with the server's last reply.
MailResult sendBySmtp(const SmtpAccount& account, const QString& recipient,
                      const QByteArray& message);
