#pragma once

#include <QString>

// A program version: major, minor and build number. Versions compare field by field from the
// left, so 2.1 is newer than 2.0.98.
struct UpdateVersion {
    int major = 0;
    int minor = 0;
    int build = 0;

    // Reads "major.minor.build": the text is split at every run of dots and the first three
    // pieces are converted like atoi (leading blanks skipped, an optional sign, the digits up
    // to the first other character, 0 without digits). Missing pieces are 0; further pieces
    // are ignored, so "2.0.97.5" is 2.0.97 and "2..1" is 2.1.0.
    static UpdateVersion parse(const QString& text);

    bool isNewerThan(const UpdateVersion& other) const;
    friend bool operator==(const UpdateVersion&, const UpdateVersion&) = default;
};

// The version of the running program.
UpdateVersion runningVersion();
