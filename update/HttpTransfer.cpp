#include "update/HttpTransfer.h"

#include <curl/curl.h>
#include <mutex>

namespace {
constexpr char kUserAgent[] = "InetURL/1.0";
constexpr long kConnectTimeoutSeconds = 30;

// Where a redirect may lead: never from https down to http, never to another protocol.
const char* redirectProtocols(const QString& url) {
    return url.startsWith(QLatin1String("https:"), Qt::CaseInsensitive) ? "https" : "http,https";
}

// One easy handle with the settings every update transfer shares.
class CurlRequest {
public:
    explicit CurlRequest(const HttpTransfer::Request& request) : handle_(curl_easy_init()) {
        static std::once_flag initialised;
        std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
        if (!handle_)
            return;
        url_ = request.url.toUtf8();
        certificates_ = request.certificateAuthorities.toUtf8();
        headers_ = curl_slist_append(headers_, "Cache-Control: no-cache");
        headers_ = curl_slist_append(headers_, "Pragma: no-cache");
        set(CURLOPT_URL, url_.constData());
        set(CURLOPT_PROTOCOLS_STR, "http,https");
        set(CURLOPT_REDIR_PROTOCOLS_STR, redirectProtocols(request.url));
        set(CURLOPT_FOLLOWLOCATION, 1L);
        set(CURLOPT_MAXREDIRS, HttpTransfer::kMaxRedirects);
        set(CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
        set(CURLOPT_USERAGENT, kUserAgent);
        set(CURLOPT_HTTPHEADER, headers_);
        set(CURLOPT_NOSIGNAL, 1L);
        set(CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
        set(CURLOPT_TIMEOUT, long(request.timeoutSeconds));
        set(CURLOPT_FAILONERROR, request.httpErrorFails ? 1L : 0L);
        if (!certificates_.isEmpty())
            set(CURLOPT_CAINFO, certificates_.constData());
    }
    ~CurlRequest() {
        if (handle_)
            curl_easy_cleanup(handle_);
        curl_slist_free_all(headers_);
    }
    CurlRequest(const CurlRequest&) = delete;
    CurlRequest& operator=(const CurlRequest&) = delete;

    template <typename Value>
    void set(CURLoption option, Value value) {
        curl_easy_setopt(handle_, option, value);
    }
    // Registers `sink` as the receiver of the body: it returns false to stop the transfer.
    template <typename Sink>
    void receiveWith(Sink& sink) {
        set(CURLOPT_WRITEFUNCTION, &CurlRequest::write<Sink>);
        set(CURLOPT_WRITEDATA, &sink);
    }
    // Reports the progress of a successful response to `progress`, which may abort.
    void reportTo(const HttpTransfer::Progress& progress) {
        progress_ = &progress;
        set(CURLOPT_NOPROGRESS, 0L);
        set(CURLOPT_XFERINFOFUNCTION, &CurlRequest::reportProgress);
        set(CURLOPT_XFERINFODATA, this);
    }
    bool perform() { return handle_ && curl_easy_perform(handle_) == CURLE_OK; }

private:
    template <typename Sink>
    static size_t write(char* data, size_t size, size_t count, void* sink) {
        const size_t bytes = size * count;
        return static_cast<Sink*>(sink)->take(data, bytes) ? bytes : 0;
    }

    bool succeeding() const {
        long status = 0;
        curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &status);
        return status >= 200 && status < 300;
    }

    static int reportProgress(void* request, curl_off_t total, curl_off_t received, curl_off_t,
                              curl_off_t) {
        const auto& self = *static_cast<const CurlRequest*>(request);
        const bool counted = self.succeeding();
        const quint64 receivedBytes = counted ? quint64(std::max<curl_off_t>(0, received)) : 0;
        const quint64 totalBytes = counted ? quint64(std::max<curl_off_t>(0, total)) : 0;
        return (*self.progress_)(receivedBytes, totalBytes) ? 0 : 1;
    }

    CURL* handle_;
    curl_slist* headers_ = nullptr;
    QByteArray url_;
    QByteArray certificates_;
    const HttpTransfer::Progress* progress_ = nullptr;
};

// Collects a body in memory up to a cap.
struct MemorySink {
    qint64 maxBytes;
    QByteArray body;
    bool tooLarge = false;

    bool take(const char* data, size_t bytes) {
        if (body.size() + qint64(bytes) > maxBytes) {
            tooLarge = true;
            return false;
        }
        body.append(data, qsizetype(bytes));
        return true;
    }
};
} // namespace

namespace HttpTransfer {

FetchResult fetch(const Request& request) {
    CurlRequest curl(request);
    MemorySink sink{request.maxBytes, {}};
    curl.receiveWith(sink);
    if (request.progress)
        curl.reportTo(request.progress);
    if (curl.perform())
        return {FetchOutcome::Fetched, sink.body};
    return {sink.tooLarge ? FetchOutcome::TooLarge : FetchOutcome::Failed, {}};
}

} // namespace HttpTransfer
