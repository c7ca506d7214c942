#include "history/HistoryFilePath.h"

QString historyFilePath(const QString& clientFilePath) {
    return QString(clientFilePath).replace(QStringLiteral(".kvr"), QStringLiteral(".rhi"));
}
