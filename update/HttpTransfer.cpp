#include "update/HttpTransfer.h"

#include <QFile>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {
constexpr char kUserAgent[] = "InetURL/1.0";

// One easy handle with the settings every update transfer shares.
class CurlRequest {
public:
    explicit CurlRequest(const QString& url) : handle_(curl_easy_init()) {
        static std::once_flag initialised;
        std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
        if (!handle_)
            return;
        url_ = url.toUtf8();
        headers_ = curl_slist_append(headers_, "Cache-Control: no-cache");
        headers_ = curl_slist_append(headers_, "Pragma: no-cache");
        curl_easy_setopt(handle_, CURLOPT_URL, url_.constData());
        curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(handle_, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(handle_, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(handle_, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
        curl_easy_setopt(handle_, CURLOPT_USERAGENT, kUserAgent);
        curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, headers_);
        curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT, 30L);
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
    bool perform() { return handle_ && curl_easy_perform(handle_) == CURLE_OK; }

private:
    template <typename Sink>
    static size_t write(char* data, size_t size, size_t count, void* sink) {
        const size_t bytes = size * count;
        return static_cast<Sink*>(sink)->take(data, bytes) ? bytes : 0;
    }

    CURL* handle_;
    curl_slist* headers_ = nullptr;
    QByteArray url_;
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

// Writes a body to a file up to a cap.
struct FileSink {
    QFile& file;
    qint64 maxBytes;

    bool take(const char* data, size_t bytes) {
        return file.size() + qint64(bytes) <= maxBytes &&
               file.write(data, qint64(bytes)) == qint64(bytes);
    }
};

int reportProgress(void* progress, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t) {
    const auto& callback = *static_cast<const HttpTransfer::Progress*>(progress);
    return callback(quint64(std::max<curl_off_t>(0, received)),
                    quint64(std::max<curl_off_t>(0, total)))
               ? 0
               : 1;
}
} // namespace

namespace HttpTransfer {

FetchResult fetch(const QString& url, qint64 maxBytes, int timeoutSeconds) {
    CurlRequest request(url);
    MemorySink sink{maxBytes, {}};
    request.receiveWith(sink);
    request.set(CURLOPT_TIMEOUT, long(timeoutSeconds));
    if (request.perform())
        return {FetchOutcome::Fetched, sink.body};
    return {sink.tooLarge ? FetchOutcome::TooLarge : FetchOutcome::Failed, {}};
}

bool download(const QString& url, const QString& path, qint64 maxBytes, const Progress& progress) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    CurlRequest request(url);
    FileSink sink{file, maxBytes};
    request.receiveWith(sink);
    request.set(CURLOPT_FAILONERROR, 1L);
    request.set(CURLOPT_NOPROGRESS, 0L);
    request.set(CURLOPT_XFERINFOFUNCTION, &reportProgress);
    request.set(CURLOPT_XFERINFODATA, &progress);
    return request.perform() && file.flush();
}

} // namespace HttpTransfer
