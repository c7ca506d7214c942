#include "support/SmtpTestServer.h"

#include "support/ExternalTool.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {
QStringList lines(const QString& path) {
    return QString::fromUtf8(TestFiles::readAll(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

SmtpTestServer::SmtpTestServer(const QString& mode) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(python(), {TestPaths::testData(QStringLiteral("mail/smtp_server.py")),
                              received_.path(), mode});
    while (process_.waitForReadyRead(10000)) {
        const QByteArray line = process_.readLine().trimmed();
        if (line.startsWith("port ")) {
            port_ = line.mid(5).toInt();
            break;
        }
    }
}

SmtpTestServer::~SmtpTestServer() {
    process_.closeWriteChannel();
    if (!process_.waitForFinished(10000))
        process_.kill();
    process_.waitForFinished();
}

int SmtpTestServer::messageCount() const {
    return int(QDir(received_.path()).entryList({QStringLiteral("*.eml")}, QDir::Files).size());
}

QJsonObject SmtpTestServer::message(int number) const {
    const ExternalTool::Run read =
        ExternalTool::run(python(), {TestPaths::testData(QStringLiteral("mail/read_message.py")),
                                     received_.filePath(QStringLiteral("%1.eml").arg(number))});
    return QJsonDocument::fromJson(read.output).object();
}

QStringList SmtpTestServer::recipients(int number) const {
    return lines(received_.filePath(QStringLiteral("%1.rcpt").arg(number)));
}

QStringList SmtpTestServer::senders() const {
    return lines(received_.filePath(QStringLiteral("senders")));
}

QString SmtpTestServer::python() {
    // The system's Python carries the Debian package of aiosmtpd.
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                             : QStringLiteral("python3");
}
