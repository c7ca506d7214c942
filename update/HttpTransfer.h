#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// HTTP and HTTPS transfers of the update files (libcurl). The credentials travel in the URL's
// user-info part, the proxy comes from the environment (http_proxy, https_proxy, no_proxy)
// and every request asks caches along the way for a fresh copy. Redirects are followed up to
// kMaxRedirects times, to http or https only, and from https to https only.
namespace HttpTransfer {

inline constexpr long kMaxRedirects = 5;

// Called while a transfer runs with the bytes of the body received so far and its total size
// (0 when the server did not send one); both stay 0 until a successful (2xx) response
// arrives, so an error page is never counted. Returning false aborts the transfer.
using Progress = std::function<bool(quint64 received, quint64 total)>;

struct Request {
    QString url;
    qint64 maxBytes = 0;            // a longer body is not read on (TooLarge)
    int timeoutSeconds = 0;         // the whole transfer; 0: no limit besides `progress`
    bool httpErrorFails = false;    // an HTTP error status fails the transfer
    QString certificateAuthorities; // a PEM file of the authorities to trust; empty: the system's
    Progress progress;
};

enum class FetchOutcome { Fetched, Failed, TooLarge };
struct FetchResult {
    FetchOutcome outcome = FetchOutcome::Failed;
    QByteArray body;
};

// Reads the whole body of the request's URL into memory. Without `httpErrorFails` an error
// page is returned like any other body.
FetchResult fetch(const Request& request);

} // namespace HttpTransfer
