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

UpdateTestServer::UpdateTestServer(Scheme scheme) : scheme_(scheme) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{TestPaths::source(QStringLiteral("tests/support/update_server.py")),
                          root_.path(), QLatin1String(kCredentials)};
    if (scheme == Scheme::Https)
        arguments << QStringLiteral("--tls");
    process_.start(QStringLiteral("python3"), arguments);
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

void UpdateTestServer::redirectTo(const QString& base) const {
    putFile(QStringLiteral(".redirect"), base.toUtf8());
}

QString UpdateTestServer::baseUrl(const QString& mode) const {
    return baseUrlWithoutCredentials(mode).replace(QStringLiteral("://"),
                                                   QStringLiteral("://%1@").arg(kCredentials));
}

QString UpdateTestServer::baseUrlWithoutCredentials(const QString& mode) const {
    return QStringLiteral("%1://127.0.0.1:%2/%3")
        .arg(scheme_ == Scheme::Https ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(port_)
        .arg(mode);
}

QString UpdateTestServer::certificateFile() const {
    return QDir(root_.path()).filePath(QStringLiteral(".tls/cert.pem"));
}

QStringList UpdateTestServer::requests() const {
    return QString::fromUtf8(
               TestFiles::readAll(QDir(root_.path()).filePath(QStringLiteral(".requests"))))
        .split(u'\n', Qt::SkipEmptyParts);
}
