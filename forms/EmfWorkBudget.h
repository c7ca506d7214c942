#pragma once

#include <QPainterPath>
#include <QRectF>

// The drawing work one page image may ask for. A form page fills a few times its own area and
// its lines add up to a few times the page's perimeter; a page asking for far more (thousands
// of page-sized shapes, a polygon of tens of thousands of points) is damaged or hostile and
// would take minutes to draw, so it is refused before anything is drawn. Work is measured in
// the target's coordinates against the page's own area and perimeter, so the verdict does not
// depend on the resolution, and only what lies on the page counts.
class EmfWorkBudget {
public:
    // `page`: the page rectangle in the coordinates the shapes are measured in.
    explicit EmfWorkBudget(const QRectF& page) : page_(page) {}

    // A shape in target coordinates whose ink reaches `penReach` beyond its outline. Returns
    // whether it may be drawn antialiased: smoothing the edges of a long, many-sided outline
    // costs seconds, so such shapes, and every shape once the page has had its share of
    // smoothing, are drawn with plain edges.
    bool chargeShape(const QPainterPath& shape, qreal penReach);
    // A path being built that has grown to `elements` elements.
    void chargePath(qsizetype elements);
    // A text of that many characters; each counts as a path element.
    void chargeText(qsizetype characters);
    bool exceeded() const { return exceeded_; }

private:
    qreal lengthOnPage(const QPainterPath& shape) const;

    QRectF page_;
    qreal coverage_ = 0;       // drawn area, in pages
    qreal length_ = 0;         // outline length drawn, in page perimeters
    qreal smoothedLength_ = 0; // of that, drawn antialiased
    qsizetype elements_ = 0;
    bool exceeded_ = false;
};
