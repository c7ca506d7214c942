#pragma once

#include <QList>
#include <QTextOption>
#include <Qt>

// The formatting state of an RTF group, as the control words set it. Groups save it on '{'
// and restore it on '}'.

// Character properties. Font and colours are indexes into the document's tables.
struct RtfCharState {
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int vertical = 0; // -1 subscript, 1 superscript
    int colour = 0;   // 0: automatic
    int background = 0;
    bool operator==(const RtfCharState&) const = default;
};

enum class RtfListKind { None, Bullet, Numbered };

// Paragraph properties; lengths in twips.
struct RtfParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<QTextOption::Tab> tabs; // positions in twips
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    RtfListKind list = RtfListKind::None;
    int listOverride = 0; // \lsN, resolved through the list tables
    int listLevel = 0;
};

// Where the text of a group goes.
enum class RtfDestination {
    Text,
    Skip,
    FontTable,
    ColourTable,
    ListTable,
    ListOverrideTable,
    ParagraphNumbering, // {\*\pn ...}: describes the bullet of the paragraph around it
};

struct RtfGroupState {
    RtfCharState chars;
    RtfParaState para;
    RtfDestination destination = RtfDestination::Text;
    int unicodeSkip = 1; // \ucN: fallback characters after each \uN
};
