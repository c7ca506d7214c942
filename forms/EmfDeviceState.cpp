#include "forms/EmfDeviceState.h"

#include "forms/EmfFormat.h"

#include <QtMath>

namespace {

// Device pixels per millimetre of the reference device, from its micrometre size when the
// header has one.
QPointF pixelsPerMillimetre(const EmfHeader& header) {
    const QSizeF millimetres = header.deviceMicrometres.isEmpty()
                                   ? QSizeF(header.deviceMillimetres)
                                   : QSizeF(header.deviceMicrometres) / 1000.0;
    if (millimetres.isEmpty() || header.devicePixels.isEmpty())
        return QPointF(96 / 25.4, 96 / 25.4);
    return QPointF(header.devicePixels.width() / millimetres.width(),
                   header.devicePixels.height() / millimetres.height());
}

// Millimetres per logical unit of the fixed metric and English mapping modes.
qreal millimetresPerUnit(quint32 mapMode) {
    switch (mapMode) {
    case Emf::kMapLoMetric:
        return 0.1;
    case Emf::kMapHiMetric:
        return 0.01;
    case Emf::kMapLoEnglish:
        return 0.254;
    case Emf::kMapHiEnglish:
        return 0.0254;
    case Emf::kMapTwips:
        return 25.4 / 1440;
    default:
        return 0;
    }
}

qreal ratio(qreal numerator, qreal denominator) {
    return qFuzzyIsNull(denominator) ? 1.0 : numerator / denominator;
}

} // namespace

QTransform EmfDeviceState::logicalToDevice(const EmfHeader& header) const {
    QPointF scale(1, 1);
    QPointF origin = windowOrigin;
    if (mapMode == Emf::kMapIsotropic || mapMode == Emf::kMapAnisotropic) {
        scale = QPointF(ratio(viewportExtent.width(), windowExtent.width()),
                        ratio(viewportExtent.height(), windowExtent.height()));
        if (mapMode == Emf::kMapIsotropic) {
            const qreal common = qMin(qAbs(scale.x()), qAbs(scale.y()));
            scale = QPointF(scale.x() < 0 ? -common : common, scale.y() < 0 ? -common : common);
        }
    } else if (const qreal perUnit = millimetresPerUnit(mapMode); perUnit > 0) {
        const QPointF pixels = pixelsPerMillimetre(header);
        scale = QPointF(pixels.x() * perUnit, -pixels.y() * perUnit);
    }
    return world * QTransform::fromTranslate(-origin.x(), -origin.y()) *
           QTransform::fromScale(scale.x(), scale.y()) *
           QTransform::fromTranslate(viewportOrigin.x(), viewportOrigin.y());
}
