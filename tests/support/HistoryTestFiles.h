#pragma once

#include "forms/PageEntry.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class HistoryDatabase;

// Points the program's private temporary folder (and TMPDIR) at a fresh folder while it
// lives, so page files, archives and "UnzippedEmf" of one test never meet another's.
class ScopedTempFolder {
public:
    ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;
    ~ScopedTempFolder();

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

// Holds a history file locked as a store in progress does while it lives: a reader can look at
// the file's size and times but cannot read it, so what a cache answers meanwhile came from
// what it kept.
class LockedHistory {
public:
    explicit LockedHistory(const QString& path);
    LockedHistory(const LockedHistory&) = delete;
    LockedHistory& operator=(const LockedHistory&) = delete;
    ~LockedHistory();

private:
    std::unique_ptr<HistoryDatabase> database_;
};

namespace HistoryTestFiles {
// The bytes of test page `number`: an EMF-shaped header and `size` bytes that differ per page.
QByteArray pageBytes(int number, int size = 3000);
// `count` page files with the prefix "EMF" in the temporary folder, in order.
PageList makePages(int count, int size = 3000);
} // namespace HistoryTestFiles
