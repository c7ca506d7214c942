#pragma once

#include <QString>

// A logical font of a page image. `height` keeps the sign it has in the file: negative for the
// em height, positive for the cell height (ascent plus descent), in logical units.
struct EmfFont {
    QString face;
    qint32 height = 0;
    qint32 weight = 400;
    qint32 escapement = 0; // tenths of a degree, counter-clockwise
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};
