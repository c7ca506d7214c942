#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The plan of an install, written to the program folder before its first move and removed
// after its last, so that an install cut short (the installer killed, the machine off) can be
// put back by whoever finds the journal. Whether a planned move has happened is read from
// the files themselves, so the journal is written once:
//
//     Vantrobe install journal 1
//     folder plugins
//     replace vantrobe
//     add plugins/extra.so
//
// "folder": a folder the install creates; "replace": the installed file goes to "Old" and the
// staged one takes its place; "add": the staged file is new to the program folder.
struct InstallJournal {
    struct Move {
        QString name;
        bool replaces = false;
    };

    QStringList createdFolders; // parents before their subfolders
    std::vector<Move> moves;    // in the order they are made

    QByteArray text() const;
    // None when the text is not a journal or names an unsafe path.
    static std::optional<InstallJournal> parse(const QByteArray& text);

    static QString path(const QString& programFolder);
    static bool exists(const QString& programFolder);
    // Written whole or not at all.
    bool write(const QString& programFolder) const;
    // None when there is none or it is damaged.
    static std::optional<InstallJournal> read(const QString& programFolder);
    static bool remove(const QString& programFolder);
};
