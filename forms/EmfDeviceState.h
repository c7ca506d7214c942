#pragma once

#include "forms/EmfFont.h"
#include "forms/EmfRecordReader.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPointF>
#include <QSizeF>
#include <QTransform>

// The drawing state of a metafile device context while a page image plays: mapping mode,
// window and viewport, world transform, the selected pen, brush and font, text settings and
// the current position. Pen widths are in logical units (0 is one device pixel).
struct EmfDeviceState {
    quint32 mapMode = 1; // MM_TEXT
    QPointF windowOrigin;
    QSizeF windowExtent{1, 1};
    QPointF viewportOrigin;
    QSizeF viewportExtent{1, 1};
    QTransform world;

    QPen pen{QColor(Qt::black), 0};
    QBrush brush{QColor(Qt::white)};
    EmfFont font{QStringLiteral("Arial"), 0};
    QColor textColor{Qt::black};
    QColor backgroundColor{Qt::white};
    quint32 backgroundMode = 2; // OPAQUE
    quint32 textAlign = 0;      // top left
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPointF position;

    // Logical coordinates to the reference device's pixels, for the header's device.
    QTransform logicalToDevice(const EmfHeader& header) const;
};
