#pragma once

#include "forms/EmfFont.h"
#include "forms/EmfRecord.h"

#include <QList>
#include <QString>
#include <optional>

// The contents of a text-out record (16-bit or 8-bit characters).
struct EmfText {
    QPoint reference;
    quint32 options = 0;
    QString text;
    // One advance per character in logical units; empty when the record carries none.
    QList<qint32> advances;
    // Where the characters start in the image.
    qsizetype textOffset = 0;
};

// A font-creation record: the object table slot and the font.
struct EmfFontRecord {
    quint32 handle = 0;
    EmfFont font;
};

// Both return nothing for a record whose fields do not fit inside it.
std::optional<EmfText> parseTextOut(const EmfRecord& record);
std::optional<EmfFontRecord> parseFontRecord(const EmfRecord& record);
