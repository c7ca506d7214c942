#include "letters/LetterEditorMode.h"

LetterEditorSettings letterEditorSettings(LetterEditorMode mode) {
    const QString setupTitle = QStringLiteral("Transmittal Letter Setup");
    switch (mode) {
    case LetterEditorMode::DefaultLetter:
        return {setupTitle, QStringLiteral(":/letters/DefaultLetterHelp.rtf"), false, true};
    case LetterEditorMode::ClientLetter:
        return {setupTitle, QStringLiteral(":/letters/ClientLetterHelp.rtf"), false, true};
    case LetterEditorMode::Print:
        break;
    }
    return {QStringLiteral("Print Transmittal Letter"),
            QStringLiteral(":/letters/PrintLetterHelp.rtf"), true, false};
}
