#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real HTTP server on 127.0.0.1 for the update tests (tests/support/update_server.py),
// serving the files of its own temporary folder. The first folder of a URL's path chooses how:
// "plain" (with a length), "nolength", "slow" (64 bytes every 0.2 s) or "error" (a 500 page).
// It asks for the credentials user "VantroUpdate", password "vantrob2026".
class UpdateTestServer {
public:
    UpdateTestServer();
    ~UpdateTestServer();

    bool isRunning() const { return port_ > 0; }
    // Writes `bytes` as the served file at `relative` (for example "Update/VanVer.txt").
    void putFile(const QString& relative, const QByteArray& bytes) const;
    void removeFile(const QString& relative) const;
    // The base address of the update server for the given way of serving, with credentials.
    QString baseUrl(const QString& mode = QStringLiteral("plain")) const;
    QString baseUrlWithoutCredentials(const QString& mode = QStringLiteral("plain")) const;

private:
    QTemporaryDir root_;
    QProcess process_;
    int port_ = 0;
};
