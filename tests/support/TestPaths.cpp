#include "support/TestPaths.h"

#include <QDir>

namespace {
QString join(const char* root, const QString& relative) {
    return relative.isEmpty() ? QString::fromUtf8(root)
                              : QDir(QString::fromUtf8(root)).filePath(relative);
}
} // namespace

QString TestPaths::testData(const QString& relative) {
    return join(VANTROBE_TEST_DATA_DIR, relative);
}
QString TestPaths::shared(const QString& relative) {
    return join(VANTROBE_SHARED_DIR, relative);
}
QString TestPaths::source(const QString& relative) {
    return join(VANTROBE_SOURCE_DIR, relative);
}
