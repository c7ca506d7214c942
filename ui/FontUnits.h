#pragma once

#include <QSize>

class QFont;

// A size given in units of a font, in pixels: `units.width()` average character widths across
// and `units.height()` lines down. A window sized so keeps its proportions to its text at any
// font the preparer chooses.
QSize sizeInFontUnits(QSize units, const QFont& font);
