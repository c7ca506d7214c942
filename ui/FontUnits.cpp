#include "ui/FontUnits.h"

#include <QFontMetricsF>

QSize sizeInFontUnits(QSize units, const QFont& font) {
    const QFontMetricsF metrics(font);
    return QSizeF(units.width() * metrics.averageCharWidth(),
                  units.height() * metrics.lineSpacing())
        .toSize();
}
