#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// HTTP and HTTPS transfers of the update files (libcurl). The credentials travel in the URL's
// user-info part, the proxy comes from the environment (http_proxy, https_proxy, no_proxy)
// and every request asks caches along the way for a fresh copy.
namespace HttpTransfer {

enum class FetchOutcome { Fetched, Failed, TooLarge };
struct FetchResult {
    FetchOutcome outcome = FetchOutcome::Failed;
    QByteArray body;
};

// Reads the whole body of `url`, whatever the HTTP status: an error page is returned like any
// other body. A body longer than `maxBytes` is not read on (TooLarge). The transfer gives up
// after `timeoutSeconds`.
FetchResult fetch(const QString& url, qint64 maxBytes, int timeoutSeconds);

// Called while a download runs with the bytes received so far and the total size (0 when the
// server did not send one). Returning false aborts the transfer.
using Progress = std::function<bool(quint64 received, quint64 total)>;

// Writes the body of `url` to the file `path` (replacing it). Fails on an HTTP error status,
// on a transfer or write error, on a body longer than `maxBytes` and when `progress` aborts.
bool download(const QString& url, const QString& path, qint64 maxBytes, const Progress& progress);

} // namespace HttpTransfer
