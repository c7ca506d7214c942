#include "forms/EmfWorkBudget.h"

#include <QLineF>

namespace {
// Limits no real page comes near: the program's own pages cover their area about twice, their
// lines add up to about twice the page's perimeter, and they have fewer than 2,000 path
// elements and characters in all.
constexpr qreal kMostPagesCovered = 200;
constexpr qreal kMostPerimeters = 1000;
constexpr qsizetype kMostShapeElements = 16'384;
constexpr qsizetype kMostPageElements = 200'000;
// Antialiasing costs grow with the square of an outline's crossings: it is kept for outlines
// of at most this many elements and page perimeters, up to this much per page.
constexpr qsizetype kMostSmoothedElements = 64;
constexpr qreal kMostSmoothedShapePerimeters = 2;
constexpr qreal kMostSmoothedPerimeters = 100;

qreal areaOf(const QRectF& rect) {
    return rect.isValid() ? rect.width() * rect.height() : 0;
}

qreal perimeterOf(const QRectF& rect) {
    return 2 * (qAbs(rect.width()) + qAbs(rect.height()));
}

// The part of the segment inside the rectangle (Liang-Barsky); a null line when none is.
QLineF clipped(const QLineF& line, const QRectF& rect) {
    qreal enter = 0, leave = 1;
    const qreal dx = line.dx(), dy = line.dy();
    const qreal p[] = {-dx, dx, -dy, dy};
    const qreal q[] = {line.x1() - rect.left(), rect.right() - line.x1(), line.y1() - rect.top(),
                       rect.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return {};
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return {};
    return QLineF(line.pointAt(enter), line.pointAt(leave));
}
} // namespace

// Curves count with their control polygon, which is never shorter than the curve.
qreal EmfWorkBudget::lengthOnPage(const QPainterPath& shape) const {
    qreal length = 0;
    for (int index = 1; index < shape.elementCount(); ++index) {
        const QPainterPath::Element to = shape.elementAt(index);
        if (to.isMoveTo())
            continue;
        const QPainterPath::Element from = shape.elementAt(index - 1);
        length += clipped(QLineF(from.x, from.y, to.x, to.y), page_).length();
    }
    return length;
}

bool EmfWorkBudget::chargeShape(const QPainterPath& shape, qreal penReach) {
    const qreal pageArea = areaOf(page_);
    const qreal perimeter = perimeterOf(page_);
    if (pageArea <= 0 || perimeter <= 0)
        return false;
    const QRectF reach =
        shape.controlPointRect().adjusted(-penReach, -penReach, penReach, penReach);
    coverage_ += areaOf(reach.intersected(page_)) / pageArea;
    const qreal length = lengthOnPage(shape) / perimeter;
    length_ += length;
    elements_ += shape.elementCount();
    if (coverage_ > kMostPagesCovered || length_ > kMostPerimeters ||
        shape.elementCount() > kMostShapeElements || elements_ > kMostPageElements)
        exceeded_ = true;
    const bool smoothed = shape.elementCount() <= kMostSmoothedElements &&
                          length <= kMostSmoothedShapePerimeters &&
                          smoothedLength_ + length <= kMostSmoothedPerimeters;
    if (smoothed)
        smoothedLength_ += length;
    return smoothed;
}

void EmfWorkBudget::chargePath(qsizetype elements) {
    if (elements > kMostShapeElements)
        exceeded_ = true;
}

void EmfWorkBudget::chargeText(qsizetype characters) {
    elements_ += characters;
    if (elements_ > kMostPageElements)
        exceeded_ = true;
}
