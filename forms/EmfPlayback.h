#pragma once

#include "forms/EmfDeviceState.h"
#include "forms/EmfFonts.h"
#include "forms/EmfRecordReader.h"
#include "forms/EmfTextRecord.h"
#include "forms/EmfWorkBudget.h"

#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QTransform>
#include <variant>

class QPainter;

// One run of a page image's records against a device context. Without a painter the run only
// checks that every record it knows can be read; with one it draws. Unknown records are
// skipped; a known record whose fields do not fit inside it stops the run, and so does the
// record that takes the page past its work budget. Shapes wholly outside the page are not
// drawn.
class EmfPlayback {
public:
    // `deviceToTarget` maps the reference device's pixels to the painter's coordinates, where
    // the page covers `page`.
    EmfPlayback(const EmfHeader& header, QPainter* painter, const QTransform& deviceToTarget,
                const QRectF& page);

    // False for a malformed record or one past the page's work budget.
    bool play(const EmfRecord& record);

private:
    using GdiObject = std::variant<QPen, QBrush, EmfFont>;

    bool playRecord(const EmfRecord& record);

    bool playState(const EmfRecord& record);
    bool playMapping(const EmfRecord& record);
    bool playObject(const EmfRecord& record);
    bool playShape(const EmfRecord& record);
    bool playPolyShape(const EmfRecord& record);
    bool playPath(const EmfRecord& record);
    bool playText(const EmfRecord& record);
    bool playBitmap(const EmfRecord& record);

    void createPen(const EmfRecord& record);
    void createExtendedPen(const EmfRecord& record);
    void createBrush(const EmfRecord& record);
    void selectObject(quint32 handle);
    void restoreState(qint32 which);

    QList<QPolygonF> readPolygons(const EmfRecord& record, bool shortPoints, bool many) const;
    void drawShape(const QPainterPath& shape, bool stroke, bool fill);
    void drawBitmap(const QRectF& target, const QImage& bitmap, const QRectF& source);
    void addLines(const QPolygonF& points, bool fromCurrent);
    void addBeziers(const QPolygonF& points, bool fromCurrent);
    void drawText(const EmfText& text);
    void clipTo(const QRectF& logicalRect);
    void resetClip();

    QTransform logicalToTarget() const;
    static qreal penReach(const QPen& pen, const QTransform& transform);

    EmfHeader header_;
    QPainter* painter_;
    QTransform deviceToTarget_;
    QRectF page_;
    EmfWorkBudget budget_;
    QTransform base_;
    EmfDeviceState state_;
    QList<EmfDeviceState> saved_;
    QHash<quint32, GdiObject> objects_;
    bool inPath_ = false;
    QPainterPath path_;
};
