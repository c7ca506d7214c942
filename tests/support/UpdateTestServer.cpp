#include "support/UpdateTestServer.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr char kCredentials[] = "VantroUpdate:vantrob2026";
constexpr int kStartTimeoutMs = 30000;
} // namespace

UpdateTestServer::UpdateTestServer() {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("python3"),
                   {TestPaths::source(QStringLiteral("tests/support/update_server.py")),
                    root_.path(), QLatin1String(kCredentials)});
    if (!process_.waitForStarted(kStartTimeoutMs))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(kStartTimeoutMs)) {
    }
    port_ = process_.readLine().trimmed().toInt();
}

UpdateTestServer::~UpdateTestServer() {
    process_.kill();
    process_.waitForFinished();
}

void UpdateTestServer::putFile(const QString& relative, const QByteArray& bytes) const {
    const QString path = QDir(root_.path()).filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    TestFiles::writeAll(path, bytes);
}

void UpdateTestServer::removeFile(const QString& relative) const {
    QFile::remove(QDir(root_.path()).filePath(relative));
}

QString UpdateTestServer::baseUrl(const QString& mode) const {
    return QStringLiteral("http://%1@127.0.0.1:%2/%3")
        .arg(QLatin1String(kCredentials))
        .arg(port_)
        .arg(mode);
}

QString UpdateTestServer::baseUrlWithoutCredentials(const QString& mode) const {
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(mode);
}
