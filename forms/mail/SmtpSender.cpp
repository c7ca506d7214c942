#include "forms/mail/SmtpSender.h"

#include <curl/curl.h>
#include <memory>

namespace {

constexpr int kSmtpsPort = 465;
constexpr long kConnectTimeoutSeconds = 20;

bool isRefusal(const QByteArray& reply) {
    return reply.startsWith('4') || reply.startsWith('5');
}

// What the conversation with the server showed: the last command sent, the server's first
// refusal (the replies after it only close the connection) and its answer to the recipient.
struct Conversation {
    QByteArray message;
    qsizetype sent = 0;
    QByteArray lastCommand;
    QByteArray refusal;
    QByteArray replyToRecipient;
};

size_t readMessage(char* buffer, size_t size, size_t count, void* data) {
    auto* conversation = static_cast<Conversation*>(data);
    const qsizetype left = conversation->message.size() - conversation->sent;
    const qsizetype chunk = std::min<qsizetype>(left, qsizetype(size * count));
    memcpy(buffer, conversation->message.constData() + conversation->sent, size_t(chunk));
    conversation->sent += chunk;
    return size_t(chunk);
}

int watchConversation(CURL*, curl_infotype type, char* text, size_t size, void* data) {
    auto* conversation = static_cast<Conversation*>(data);
    const QByteArray line = QByteArray(text, qsizetype(size)).trimmed();
    if (type == CURLINFO_HEADER_OUT) {
        conversation->lastCommand = line;
    } else if (type == CURLINFO_HEADER_IN) {
        if (isRefusal(line) && conversation->refusal.isEmpty())
            conversation->refusal = line;
        if (conversation->lastCommand.startsWith("RCPT TO"))
            conversation->replyToRecipient = line;
    }
    return 0;
}

QByteArray serverUrl(const SmtpAccount& account) {
    const bool implicitTls = account.useTls && account.port == kSmtpsPort;
    return (implicitTls ? "smtps://" : "smtp://") + account.server.toUtf8() + ':' +
           QByteArray::number(account.port);
}

QByteArray angleAddress(const QString& address) {
    return '<' + address.trimmed().toUtf8() + '>';
}

MailResult outcome(CURLcode code, const Conversation& conversation, const char* errorText) {
    if (code == CURLE_OK)
        return {};
    // 530: the server wants a login the account does not give.
    if (code == CURLE_LOGIN_DENIED || conversation.refusal.startsWith("530"))
        return {MailFailure::LoginFailed, QString::fromUtf8(conversation.refusal)};
    if (isRefusal(conversation.replyToRecipient))
        return {MailFailure::UnknownRecipient, QString::fromUtf8(conversation.replyToRecipient)};
    const QByteArray reason = QByteArray(*errorText ? errorText : curl_easy_strerror(code));
    return {MailFailure::Unspecified,
            QString::fromUtf8(conversation.refusal.isEmpty() ? reason : conversation.refusal)};
}

struct CurlCleanup {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

MailResult sendBySmtp(const SmtpAccount& account, const QString& recipient,
                      const QByteArray& message) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    const std::unique_ptr<CURL, CurlCleanup> curl(initialised ? curl_easy_init() : nullptr);
    if (!curl)
        return {MailFailure::Unspecified, QStringLiteral("The mail library cannot be started.")};
    Conversation conversation{message, 0, {}, {}, {}};
    const std::unique_ptr<curl_slist, ListCleanup> recipients(
        curl_slist_append(nullptr, angleAddress(recipient).constData()));
    const QByteArray url = serverUrl(account);
    const QByteArray from = angleAddress(account.sender);
    const QByteArray user = account.user.toUtf8();
    const QByteArray password = account.password.toUtf8();
    char errorText[CURL_ERROR_SIZE] = {};
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    if (account.useTls && account.port != kSmtpsPort)
        curl_easy_setopt(handle, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    if (!user.isEmpty()) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(handle, CURLOPT_READDATA, &conversation);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, curl_off_t(message.size()));
    curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, watchConversation);
    curl_easy_setopt(handle, CURLOPT_DEBUGDATA, &conversation);
    curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, long(account.timeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    return outcome(curl_easy_perform(handle), conversation, errorText);
}
