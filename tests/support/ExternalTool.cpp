#include "support/ExternalTool.h"

#include <QProcess>

namespace ExternalTool {

Run run(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return {-1, process.readAllStandardError()};
    return {process.exitCode(), process.readAllStandardOutput() + process.readAllStandardError()};
}

} // namespace ExternalTool
