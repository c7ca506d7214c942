#include "forms/mail/SmtpSender.h"

#include "forms/mail/MailFieldCheck.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <curl/curl.h>
#include <memory>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

namespace {

constexpr int kSmtpsPort = 465;
// libcurl's own limits come this much later than ours: when it meets one itself, it still
// says goodbye to the server and waits for the answer, which a silent server never sends.
constexpr long kLibraryLimitMarginSeconds = 5;

bool isRefusal(const QByteArray& reply) {
    return reply.startsWith('4') || reply.startsWith('5');
}

enum class Stop { None, NoLoginOffered, Cancelled, OutOfTime };

// What the conversation with the server showed: the last command sent, the server's first
// refusal (the replies after it only close the connection), its answer to the recipient,
// whether its last greeting offered a login, how long it has been silent, and why we stopped
// it.
struct Conversation {
    curl_socket_t socket;
    const SmtpAccount& account;
    const SmtpProgress& progress;
    QByteArray message;
    QDeadlineTimer deadline;
    QElapsedTimer silence;
    qsizetype sent = 0;
    QByteArray lastCommand;
    QByteArray refusal;
    QByteArray replyToRecipient;
    bool loginOffered = false;
    Stop stop = Stop::None;
};

// Ends the connection at once, so that nothing more is sent or waited for: not even the
// goodbye libcurl would otherwise send and wait to be answered.
void cutConnection(curl_socket_t socket) {
    if (socket == CURL_SOCKET_BAD)
        return;
#ifdef Q_OS_WIN
    ::shutdown(socket, SD_BOTH);
#else
    ::shutdown(socket, SHUT_RDWR);
#endif
}

int keepSocket(void* data, curl_socket_t socket, curlsocktype) {
    static_cast<Conversation*>(data)->socket = socket;
    return CURL_SOCKOPT_OK;
}

size_t readMessage(char* buffer, size_t size, size_t count, void* data) {
    auto* conversation = static_cast<Conversation*>(data);
    const qsizetype left = conversation->message.size() - conversation->sent;
    const qsizetype chunk = std::min<qsizetype>(left, qsizetype(size * count));
    memcpy(buffer, conversation->message.constData() + conversation->sent, size_t(chunk));
    conversation->sent += chunk;
    return size_t(chunk);
}

// An EHLO answer line that offers a login: "250-AUTH PLAIN LOGIN" or "250 AUTH=LOGIN".
bool offersLogin(const QByteArray& line) {
    const QByteArray keyword = line.mid(4).toUpper();
    return line.startsWith("250") && (keyword.startsWith("AUTH ") || keyword.startsWith("AUTH="));
}

int watchConversation(CURL*, curl_infotype type, char* text, size_t size, void* data) {
    auto* conversation = static_cast<Conversation*>(data);
    conversation->silence.restart();
    const QByteArray line = QByteArray(text, qsizetype(size)).trimmed();
    if (type == CURLINFO_HEADER_OUT) {
        conversation->lastCommand = line;
        if (line.startsWith("EHLO"))
            conversation->loginOffered = false;
    } else if (type == CURLINFO_HEADER_IN) {
        if (isRefusal(line) && conversation->refusal.isEmpty())
            conversation->refusal = line;
        if (conversation->lastCommand.startsWith("RCPT TO"))
            conversation->replyToRecipient = line;
        if (conversation->lastCommand.startsWith("EHLO") && offersLogin(line))
            conversation->loginOffered = true;
    }
    return 0;
}

// Runs once the connection is made and the greeting, TLS and login are done, before the
// message's first command: an account with a user name stops here when no login was offered.
int beforeSending(void* data, char*, char*, int, int) {
    auto* conversation = static_cast<Conversation*>(data);
    const SmtpAccount& account = conversation->account;
    if (account.user.isEmpty() || conversation->loginOffered ||
        account.sendWithoutLoginWhenNotOffered)
        return CURL_PREREQFUNC_OK;
    conversation->stop = Stop::NoLoginOffered;
    return CURL_PREREQFUNC_ABORT;
}

// Stops the transfer when the preparer cancels it, when the whole time is up, or when the
// server has been silent longer than one answer may take.
int watchProgress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* conversation = static_cast<Conversation*>(data);
    const qint64 responseMs = qint64(conversation->account.responseTimeoutSeconds) * 1000;
    if (conversation->progress &&
        !conversation->progress(conversation->sent, conversation->message.size()))
        conversation->stop = Stop::Cancelled;
    else if (conversation->deadline.hasExpired() || conversation->silence.hasExpired(responseMs))
        conversation->stop = Stop::OutOfTime;
    if (conversation->stop == Stop::None)
        return 0;
    cutConnection(conversation->socket);
    return 1;
}

QByteArray serverUrl(const SmtpAccount& account) {
    const bool implicitTls = account.useTls && account.port == kSmtpsPort;
    return (implicitTls ? "smtps://" : "smtp://") + account.server.toUtf8() + ':' +
           QByteArray::number(account.port);
}

QByteArray angleAddress(const QString& address) {
    return '<' + address.trimmed().toUtf8() + '>';
}

QString failureReason(CURLcode code, const Conversation& conversation, const char* errorText) {
    if (code == CURLE_OPERATION_TIMEDOUT || conversation.stop == Stop::OutOfTime)
        return QStringLiteral("The mail server did not answer in time.");
    if (!conversation.refusal.isEmpty())
        return QString::fromUtf8(conversation.refusal);
    return QString::fromUtf8(*errorText ? errorText : curl_easy_strerror(code));
}

MailResult outcome(CURLcode code, const Conversation& conversation, const char* errorText) {
    if (code == CURLE_OK)
        return {};
    if (conversation.stop == Stop::NoLoginOffered)
        return {MailFailure::NoLoginOffered, {}};
    if (conversation.stop == Stop::Cancelled)
        return {MailFailure::UserCancelled, {}};
    // 530: the server wants a login the account does not give.
    if (code == CURLE_LOGIN_DENIED || conversation.refusal.startsWith("530"))
        return {MailFailure::LoginFailed, QString::fromUtf8(conversation.refusal)};
    if (isRefusal(conversation.replyToRecipient))
        return {MailFailure::UnknownRecipient, QString::fromUtf8(conversation.replyToRecipient)};
    return {MailFailure::Unspecified, failureReason(code, conversation, errorText)};
}

struct CurlCleanup {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// The conversation's bounds, its watchers and the ways out.
void setUpConversation(CURL* handle, Conversation& conversation, char* errorText) {
    const SmtpAccount& account = conversation.account;
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(handle, CURLOPT_READDATA, &conversation);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, curl_off_t(conversation.message.size()));
    curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, watchConversation);
    curl_easy_setopt(handle, CURLOPT_DEBUGDATA, &conversation);
    curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(handle, CURLOPT_PREREQFUNCTION, beforeSending);
    curl_easy_setopt(handle, CURLOPT_PREREQDATA, &conversation);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, watchProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &conversation);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTFUNCTION, keepSocket);
    curl_easy_setopt(handle, CURLOPT_SOCKOPTDATA, &conversation);
    curl_easy_setopt(handle, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, long(account.connectTimeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                     account.responseTimeoutSeconds + kLibraryLimitMarginSeconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, account.timeoutSeconds + kLibraryLimitMarginSeconds);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
}

} // namespace

MailResult sendBySmtp(const SmtpAccount& account, const QString& recipient,
                      const QByteArray& message, const SmtpProgress& progress) {
    for (const auto& [field, address] : {std::pair{MailFieldCheck::kSender, account.sender},
                                         std::pair{MailFieldCheck::kRecipient, recipient}}) {
        const QString problem = MailFieldCheck::problem(QLatin1String(field), address);
        if (!problem.isEmpty())
            return {MailFailure::Unspecified, problem};
    }
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    const std::unique_ptr<CURL, CurlCleanup> curl(initialised ? curl_easy_init() : nullptr);
    if (!curl)
        return {MailFailure::Unspecified, QStringLiteral("The mail library cannot be started.")};
    Conversation conversation{CURL_SOCKET_BAD,
                              account,
                              progress,
                              message,
                              QDeadlineTimer(std::chrono::seconds(account.timeoutSeconds)),
                              QElapsedTimer(),
                              0,
                              {},
                              {},
                              {},
                              false,
                              Stop::None};
    conversation.silence.start();
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
    setUpConversation(handle, conversation, errorText);
    return outcome(curl_easy_perform(handle), conversation, errorText);
}
