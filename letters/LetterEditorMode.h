#pragma once

#include <QString>

// What the letter editor is opened on.
enum class LetterEditorMode {
    DefaultLetter, // the default letter, from the Edit menu
    ClientLetter,  // one client's letter, from the client wizard
    Print,         // a generated letter, to touch up and print
};

struct LetterEditorSettings {
    QString title;
    QString helpResource;    // an RTF text among the program's resources
    bool printMode = false;  // "Save As" instead of "Save"
    bool askOnClose = false; // offer to save changes on closing
};

LetterEditorSettings letterEditorSettings(LetterEditorMode mode);
