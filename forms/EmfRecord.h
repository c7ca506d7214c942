#pragma once

#include <QByteArrayView>
#include <QPoint>
#include <QRect>

// One record of an enhanced metafile: its type and its bytes, type and size fields included.
// Every read is bounds-checked: a field outside the record reads as zero and marks the record
// as malformed, so a parser reads all its fields and then asks ok() once.
class EmfRecord {
public:
    EmfRecord(quint32 type, QByteArrayView bytes, qsizetype offset)
        : type_(type), bytes_(bytes), offset_(offset) {}

    quint32 type() const { return type_; }
    qsizetype size() const { return bytes_.size(); }
    // Where the record starts in the image.
    qsizetype offset() const { return offset_; }

    bool has(qsizetype at, qsizetype length) const;
    quint8 u8(qsizetype at) const;
    quint16 u16(qsizetype at) const;
    qint16 i16(qsizetype at) const { return qint16(u16(at)); }
    quint32 u32(qsizetype at) const;
    qint32 i32(qsizetype at) const { return qint32(u32(at)); }
    float f32(qsizetype at) const;
    QPoint point(qsizetype at) const { return QPoint(i32(at), i32(at + 4)); }
    // Four 32-bit edges (left, top, right, bottom) as stored, without adjustment.
    QRect edges(qsizetype at) const { return QRect(point(at), point(at + 8)); }
    QByteArrayView bytes(qsizetype at, qsizetype length) const;

    bool ok() const { return ok_; }

private:
    quint32 type_;
    QByteArrayView bytes_;
    qsizetype offset_;
    mutable bool ok_ = true;
};
