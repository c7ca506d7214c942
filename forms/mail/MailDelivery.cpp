#include "forms/mail/MailDelivery.h"

#include <QThread>

MailDelivery::MailDelivery(SmtpAccount account, QString recipient, QByteArray message)
    : account_(std::move(account)), recipient_(std::move(recipient)), message_(std::move(message)) {
}

MailDelivery::~MailDelivery() {
    cancel();
    if (thread_)
        thread_->wait();
}

void MailDelivery::start() {
    thread_.reset(QThread::create([this] { run(); }));
    thread_->start();
}

void MailDelivery::run() {
    qint64 reported = -1;
    result_ = sendBySmtp(account_, recipient_, message_, [&](qint64 sent, qint64 total) {
        if (sent != reported)
            emit progressed(reported = sent, total);
        return !cancelled_;
    });
    emit finished();
}
