#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <map>

// A scratch program folder with version 2.0.97 installed and 2.1 staged in "New" as the
// program stages an update: the files of its manifest, then the manifest. 2.1 replaces the
// program and a library, adds a plugin in a new folder and leaves the tax table alone.
class StagedProgramFolder {
public:
    // A program folder's content: every file by its path below the folder, and every folder
    // by its path and a trailing '/' (with empty content).
    using Content = std::map<QString, QByteArray>;

    StagedProgramFolder();

    QString path() const { return folder_.path(); }
    QString path(const QString& name) const;
    QByteArray read(const QString& name) const;
    void put(const QString& name, const QByteArray& bytes) const;

    // What the program folder holds besides the update's own files ("New", "Old", the log,
    // the journal and its lock).
    Content programFiles() const;
    static Content oldVersion();
    static Content newVersion();
    // The renames a whole install makes: two for each replaced file, one for each new one.
    static int renamesOfAnInstall();

private:
    QTemporaryDir folder_;
};
