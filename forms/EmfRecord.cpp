#include "forms/EmfRecord.h"

#include <QtEndian>
#include <cstring>

bool EmfRecord::has(qsizetype at, qsizetype length) const {
    const bool inside = at >= 0 && length >= 0 && at <= bytes_.size() - length;
    if (!inside)
        ok_ = false;
    return inside;
}

quint8 EmfRecord::u8(qsizetype at) const {
    return has(at, 1) ? quint8(bytes_[at]) : 0;
}

quint16 EmfRecord::u16(qsizetype at) const {
    return has(at, 2) ? qFromLittleEndian<quint16>(bytes_.data() + at) : 0;
}

quint32 EmfRecord::u32(qsizetype at) const {
    return has(at, 4) ? qFromLittleEndian<quint32>(bytes_.data() + at) : 0;
}

float EmfRecord::f32(qsizetype at) const {
    const quint32 bits = u32(at);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArrayView EmfRecord::bytes(qsizetype at, qsizetype length) const {
    return has(at, length) ? bytes_.sliced(at, length) : QByteArrayView();
}
