#include "history/LegacyPages.h"

#include <QtEndian>

namespace {
constexpr int kPageHeaderBytes = 8;  // right child, first cell, first free block
constexpr int kCellHeaderBytes = 12; // left child, key size, next cell, size high bytes, data size
// (1016 / 4 - 16) rounded down to a multiple of four.
constexpr int kLocalPayloadBytes = 236;
constexpr int kOverflowDataBytes = LegacyPages::kPageSize - 4;
constexpr int kMaxDepth = 32;
constexpr int kMaxCellsPerPage = LegacyPages::kPageSize / kCellHeaderBytes;

[[noreturn]] void fail() {
    throw LegacyPages::FormatError{};
}
} // namespace

LegacyPages::LegacyPages(const QByteArray& file, bool swapped)
    : file_(file), swapped_(swapped), bytesLeft_(file.size() * kMaxReadFactor) {}

void LegacyPages::checkPage(int page) const {
    if (page < 1 || page > pageCount())
        fail();
}

const char* LegacyPages::at(int page, int offset, int length) const {
    checkPage(page);
    if (offset < 0 || length < 0 || offset + length > kPageSize)
        fail();
    return file_.constData() + qsizetype(page - 1) * kPageSize + offset;
}

quint32 LegacyPages::u32(int page, int offset) const {
    const quint32 value = qFromLittleEndian<quint32>(at(page, offset, 4));
    return swapped_ ? qbswap(value) : value;
}

quint16 LegacyPages::u16(int page, int offset) const {
    const quint16 value = qFromLittleEndian<quint16>(at(page, offset, 2));
    return swapped_ ? qbswap(value) : value;
}

quint8 LegacyPages::u8(int page, int offset) const {
    return static_cast<quint8>(*at(page, offset, 1));
}

void LegacyPages::forEachRow(
    int rootPage, const std::function<void(const QByteArray&, const QByteArray&)>& visit) {
    walk(rootPage, 0, visit);
}

void LegacyPages::enter(int page) {
    checkPage(page);
    if (visited_.contains(page))
        fail();
    visited_.insert(page);
}

// In key order: each cell's left subtree, the cell, and after the last cell the right child.
void LegacyPages::walk(int page, int depth,
                       const std::function<void(const QByteArray&, const QByteArray&)>& visit) {
    if (depth > kMaxDepth)
        fail();
    enter(page);
    QSet<int> cells;
    for (int cell = u16(page, 4); cell != 0; cell = u16(page, cell + 6)) {
        if (cells.size() >= kMaxCellsPerPage || cell < kPageHeaderBytes || cells.contains(cell))
            fail();
        cells.insert(cell);
        const int leftChild = static_cast<int>(u32(page, cell));
        const qint64 keyBytes = u16(page, cell + 4) | (qint64(u8(page, cell + 8)) << 16);
        const qint64 dataBytes = u16(page, cell + 10) | (qint64(u8(page, cell + 9)) << 16);
        if (leftChild != 0)
            walk(leftChild, depth + 1, visit);
        const QByteArray bytes = payload(page, cell + kCellHeaderBytes, keyBytes + dataBytes);
        visit(bytes.left(keyBytes), bytes.mid(keyBytes));
    }
    const int rightChild = static_cast<int>(u32(page, 0));
    if (rightChild != 0)
        walk(rightChild, depth + 1, visit);
}

QByteArray LegacyPages::payload(int page, int offset, qint64 length) {
    // Checked before anything is allocated: a cell may state up to 32 MB.
    if (length > bytesLeft_)
        fail();
    bytesLeft_ -= length;
    const int local = static_cast<int>(std::min<qint64>(length, kLocalPayloadBytes));
    QByteArray bytes;
    bytes.reserve(length);
    bytes.append(at(page, offset, local), local);
    if (length <= kLocalPayloadBytes)
        return bytes;
    int overflow = static_cast<int>(u32(page, offset + kLocalPayloadBytes));
    while (bytes.size() < length) {
        if (overflow == 0)
            fail();
        enter(overflow);
        const int part =
            static_cast<int>(std::min<qint64>(length - bytes.size(), kOverflowDataBytes));
        bytes.append(at(overflow, 4, part), part);
        overflow = static_cast<int>(u32(overflow, 0));
    }
    return bytes;
}
