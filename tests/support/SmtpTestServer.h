#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real SMTP server (python3-aiosmtpd) on a free port of 127.0.0.1, for as long as the object
// lives. Mode "accept", "refuse-login", "reject-recipient", "silent-after-data" or
// "silent-after-message" (tests/data/mail/smtp_server.py).
class SmtpTestServer {
public:
    explicit SmtpTestServer(const QString& mode);
    ~SmtpTestServer();

    bool isRunning() const { return port_ > 0; }
    int port() const { return port_; }
    // The messages received so far.
    int messageCount() const;
    // Message n (from 1) read by Python's e-mail parser: subject, to, from, body, attachments.
    QJsonObject message(int number) const;
    // The envelope recipients of message n.
    QStringList recipients(int number) const;
    // The sender of every MAIL command received so far: a message that is begun at all.
    QStringList senders() const;

    static QString python();

private:
    QTemporaryDir received_;
    QProcess process_;
    int port_ = 0;
};
