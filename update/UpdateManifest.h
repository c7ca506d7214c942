#pragma once

#include "update/UpdateVersion.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The list of what an update installs: its version and every file with the SHA-256 of its
// contents. It travels at the root of the signed update archive as "VanManifest.txt", so the
// signature covers it, and it alone decides what is staged and installed:
//
//     Vantrobe update manifest 1
//     version 2.1.0
//     <64 hexadecimal digits of the file's SHA-256>  <name below the program folder>
//     ...
//
// One file a line, as `sha256sum` prints them; '/' between folders; lines end with LF (a CR
// before it is allowed).
struct UpdateManifest {
    static constexpr char kFirstLine[] = "Vantrobe update manifest 1";
    static constexpr qsizetype kMaxBytes = qsizetype(1) << 20;
    static constexpr int kMaxFiles = 10000;

    struct File {
        QString name;
        QByteArray sha256; // the 32 bytes of the digest
        friend bool operator==(const File&, const File&) = default;
    };

    QString versionText;
    std::vector<File> files;

    // The manifest in `text`, or none when the text is not a whole manifest: larger than
    // kMaxBytes, not UTF-8, a first line other than kFirstLine, no version, a line that is not
    // a digest and a name, an unsafe name (see SafeRelativeName::isSafe), a control character in
    // a name, a name the update keeps for itself ("New/...", "Old/...", the manifest, the
    // journal, its lock or the log), two names that differ only in case, a name that is the
    // folder of another, no file or more than kMaxFiles.
    static std::optional<UpdateManifest> parse(const QByteArray& text);
    // The manifest in the file, or none when it cannot be read or is not a manifest.
    static std::optional<UpdateManifest> read(const QString& path);
    QByteArray text() const;

    // True when the manifest is of the announced version and that version is newer than the
    // running one: an older signed update offered as newer does not fit.
    bool fits(const UpdateVersion& announced, const UpdateVersion& running) const;
    // The first listed file below `folder` that is missing, not a plain file, or whose
    // contents have another digest; an empty text when every file matches.
    QString firstMismatch(const QString& folder) const;

    // The SHA-256 of the file's contents, empty when it cannot be read.
    static QByteArray sha256Of(const QString& path);
};
