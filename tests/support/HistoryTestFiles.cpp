#include "support/HistoryTestFiles.h"

#include "history/HistoryDatabase.h"
#include "platform/PrivateTempFolder.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>

ScopedTempFolder::ScopedTempFolder()
    : previous_(qgetenv("TMPDIR")), hadPrevious_(qEnvironmentVariableIsSet("TMPDIR")) {
    qputenv("TMPDIR", dir_.path().toLocal8Bit());
    PrivateTempFolder::setOverride(dir_.path());
}

ScopedTempFolder::~ScopedTempFolder() {
    PrivateTempFolder::setOverride({});
    if (hadPrevious_)
        qputenv("TMPDIR", previous_);
    else
        qunsetenv("TMPDIR");
}

namespace HistoryTestFiles {

QByteArray pageBytes(int number, int size) {
    // The literal holds zero bytes, so its length comes from its size, not from a NUL.
    static constexpr char kHead[] = "\x01\x00\x00\x00 EMF page ";
    QByteArray bytes(kHead, sizeof kHead - 1);
    bytes += QByteArray::number(number);
    QRandomGenerator random(static_cast<quint32>(number));
    while (bytes.size() < size)
        bytes +=
            static_cast<char>(random.bounded(8) == 0 ? random.bounded(256) : 'a' + number % 26);
    return bytes.left(size);
}

PageList makePages(int count, int size) {
    PageList pages;
    for (int number = 1; number <= count; ++number) {
        PageEntry page;
        page.imagePaths[0] = PrivateTempFolder::createFile(QStringLiteral("EMF"));
        TestFiles::writeAll(page.path(), pageBytes(number, size));
        pages.push_back(page);
    }
    return pages;
}

} // namespace HistoryTestFiles

LockedHistory::LockedHistory(const QString& path) : database_(std::make_unique<HistoryDatabase>()) {
    database_->open(path);
    database_->execDML(QStringLiteral("BEGIN EXCLUSIVE;"));
}

LockedHistory::~LockedHistory() = default;
