#pragma once

#include "forms/mail/SmtpSender.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

class QThread;

// One message sent through SMTP on a thread of its own, so that the window that waits for it
// stays responsive and can cancel it. Signals are emitted on that thread; receivers in the
// user interface get them queued.
class MailDelivery : public QObject {
    Q_OBJECT
public:
    MailDelivery(SmtpAccount account, QString recipient, QByteArray message);
    // Cancels a delivery still running and waits for its thread.
    ~MailDelivery() override;

    void start();
    // Stops the transfer at its next step; safe from any thread.
    void cancel() { cancelled_ = true; }
    // How it ended; valid after finished().
    MailResult result() const { return result_; }

signals:
    void progressed(qint64 sent, qint64 total);
    void finished();

private:
    void run();

    SmtpAccount account_;
    QString recipient_;
    QByteArray message_;
    MailResult result_;
    std::atomic<bool> cancelled_ = false;
    std::unique_ptr<QThread> thread_;
};
