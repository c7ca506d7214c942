#pragma once

#include <QByteArray>
#include <QSet>
#include <functional>

// Read-only access to the pages of an older history file: 1024-byte pages, B-trees whose cells
// hold a key and its data (on every level, in key order through the cells' `iNext` links),
// payloads longer than a cell continue on a chain of overflow pages. Page-structure integers
// are in the byte order of the machine that wrote the file; `swapped` says it was the other
// one. Every page number, offset and length is checked against the file; anything out of
// place throws LegacyFormatError.
class LegacyPages {
public:
    static constexpr int kPageSize = 1024;

    struct FormatError {};

    LegacyPages(const QByteArray& file, bool swapped);

    int pageCount() const { return static_cast<int>(file_.size() / kPageSize); }
    quint32 u32(int page, int offset) const;

    // Calls `visit(key, data)` for every row of the B-tree rooted at `rootPage`, in key order.
    void forEachRow(int rootPage,
                    const std::function<void(const QByteArray&, const QByteArray&)>& visit) const;

private:
    quint16 u16(int page, int offset) const;
    quint8 u8(int page, int offset) const;
    const char* at(int page, int offset, int length) const;
    void checkPage(int page) const;
    void walk(int page, int depth, QSet<int>& seen,
              const std::function<void(const QByteArray&, const QByteArray&)>& visit) const;
    // The key and data bytes of the cell at `offset`, the overflow chain followed.
    QByteArray payload(int page, int offset, qint64 length) const;

    const QByteArray& file_;
    bool swapped_;
};
