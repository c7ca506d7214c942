#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

// Every temporary file of the program lives in one private folder per run inside the user's
// temporary folder: made on first use, open to this user alone (0700 where the system has
// modes), removed with everything in it when the run ends. Another local account can neither
// read a client's pages there nor plant a file or a link for the program to write through.
// New files are created exclusively with a unique name, so two uses never share one.
namespace PrivateTempFolder {

// The folder of this run ("Vantrobe-XXXXXX" in the temporary folder), made on first use; an
// empty text when it cannot be made.
QString path();
// The path of `name` in the run's folder, for the few files and folders with a fixed name.
QString filePath(const QString& name);

// Creates a new empty file whose name starts with `prefix` (the three letters of its use,
// "EMF" for page files) and ends with `suffix`; its path, or an empty text when it could not
// be created. The caller deletes the file when it no longer needs it.
QString createFile(const QString& prefix, const QString& suffix = {});
// The same, with `bytes` as its contents, written through the handle that created it; an empty
// text (and no file) when it could not be created or written completely.
QString createFileWith(const QString& prefix, const QByteArray& bytes, const QString& suffix = {});
// Creates a new empty folder whose name starts with `prefix`; its path or an empty text.
QString createFolder(const QString& prefix);

// Removes from `parent` the run folders of this user's earlier runs that ended without
// clearing up (a killed program, a crash). The folders of runs still going on, of other
// users, links and everything else are left alone. The program calls it at start-up with
// the temporary folder.
void removeLeftovers(const QString& parent);

// One run's folder in `parent`, holding the run's lock while it exists and removed with its
// contents when it goes. The program keeps one; tests make their own.
class RunFolder {
public:
    explicit RunFolder(const QString& parent);
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    ~RunFolder();
    // Empty when the folder could not be made.
    QString path() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Lets tests put the run's folder elsewhere (a folder of their own); an empty text restores
// the run's own.
void setOverride(const QString& folder);

} // namespace PrivateTempFolder
