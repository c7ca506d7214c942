#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real HTTP (or HTTPS) server on 127.0.0.1 for the update tests
// (tests/support/update_server.py), serving the files of its own temporary folder. The first
// folder of a URL's path chooses how: "plain" (with a length), "nolength", "slow" (64 bytes
// every 0.2 s), "trickle" (a byte a second), "error" (a 500 page), "loop" (a redirect to
// itself) or "redirect" (to the address set with redirectTo). It asks for the credentials
// user "VantroUpdate", password "vantrob2026".
class UpdateTestServer {
public:
    enum class Scheme { Http, Https };
    explicit UpdateTestServer(Scheme scheme = Scheme::Http);
    ~UpdateTestServer();

    bool isRunning() const { return port_ > 0; }
    // Writes `bytes` as the served file at `relative` (for example "Update/VanVer.txt").
    void putFile(const QString& relative, const QByteArray& bytes) const;
    void removeFile(const QString& relative) const;
    // Where "redirect" sends a request: `base` followed by the rest of the request's path.
    void redirectTo(const QString& base) const;
    // The base address of the update server for the given way of serving, with credentials.
    QString baseUrl(const QString& mode = QStringLiteral("plain")) const;
    QString baseUrlWithoutCredentials(const QString& mode = QStringLiteral("plain")) const;
    // The authority an HTTPS client must trust (a PEM file).
    QString certificateFile() const;
    // The paths of the requests received so far, in order.
    QStringList requests() const;

private:
    QTemporaryDir root_;
    QProcess process_;
    Scheme scheme_;
    int port_ = 0;
};
