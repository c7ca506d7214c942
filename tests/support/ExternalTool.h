#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a third-party program (pdfinfo, qpdf, tiffinfo ...) to check what the program wrote.
namespace ExternalTool {
struct Run {
    int exitCode = -1; // -1: could not be started or did not finish
    QByteArray output; // standard output and standard error, in that order
};
Run run(const QString& program, const QStringList& arguments, int timeoutMs = 60000);
} // namespace ExternalTool
