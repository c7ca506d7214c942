#pragma once

#include "forms/EmfFont.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Writes an enhanced metafile of one page. The page is drawn in logical units under
// MM_ANISOTROPIC, with as many logical units per inch as the constructor says; the reference
// device has the same resolution, so logical units, device units and the frame agree exactly.
// Every text record carries its baseline-left reference point and an advance for every
// character, so a player puts each character in its cell whatever font it finds.
class EmfWriter {
public:
    EmfWriter(QSize pageUnits, int unitsPerInch, const QString& description);

    quint32 createFont(const EmfFont& font);
    quint32 createPen(quint32 style, qint32 width, quint32 color);
    quint32 createBrush(quint32 style, quint32 color);
    void selectObject(quint32 handle);
    void deleteObject(quint32 handle);

    void setTextColor(quint32 color);

    void moveTo(QPoint point);
    void lineTo(QPoint point);
    // GDI rectangles include the left and top edges and exclude the right and bottom ones.
    void rectangle(const QRect& box);
    void polyline(const QList<QPoint>& points);
    void polygon(const QList<QPoint>& points);
    // One text item: left end of its baseline at `reference`, one advance per character.
    // Returns the byte offset of the characters in the image.
    qsizetype textOut(QPoint reference, const QString& text, const QList<qint32>& advances,
                      qint32 ascent, qint32 descent);

    // Appends the end-of-file record, completes the header and returns the image bytes.
    QByteArray finish();

private:
    void writeHeader(const QString& description);
    void writeRecord(quint32 type, const QByteArray& parameters);
    void writeValues(quint32 type, std::initializer_list<quint32> values);
    void writePoints16(quint32 type, const QList<QPoint>& points);
    quint32 nextHandle();

    QByteArray bytes_;
    QSize pageUnits_;
    int unitsPerInch_;
    quint32 recordCount_ = 0;
    quint32 handleCount_ = 1;
};
