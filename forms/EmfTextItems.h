#pragma once

#include "forms/EmfFont.h"
#include "forms/EmfTextRecord.h"

#include <QByteArrayView>
#include <QList>

// A text item of a page image together with the font selected when it is drawn.
struct EmfTextItem {
    EmfText text;
    EmfFont font;
};

// Lists the 16-bit text items of a page image in drawing order; an invalid image gives none.
// The form generator prints this list, and the tests check the fields against it.
QList<EmfTextItem> emfTextItems(QByteArrayView image);
