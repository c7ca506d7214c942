#pragma once

#include <QIcon>

enum class LetterIcon {
    Cut,
    Copy,
    Paste,
    Delete,
    Undo,
    Bold,
    Italic,
    Underline,
    Colour,
    AlignLeft,
    AlignCentre,
    AlignRight,
    Bullets,
};

// The 16 x 16 pictures of the letter editor's toolbar, drawn at twice the size for sharp
// display on high-density screens.
QIcon letterToolbarIcon(LetterIcon icon);
