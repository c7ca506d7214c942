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
//
// The reading is bounded by the file, so a hostile file cannot make it hold more than the file
// itself many times over: every page is visited at most once while the object lives (a page
// reached a second time, by a tree or an overflow chain, means a damaged file), a cell at most
// once in its page, and the payload bytes read back in all may not exceed kMaxReadFactor
// times the file's size.
class LegacyPages {
public:
    static constexpr int kPageSize = 1024;
    static constexpr int kMaxReadFactor = 2;

    struct FormatError {};

    LegacyPages(const QByteArray& file, bool swapped);

    int pageCount() const { return static_cast<int>(file_.size() / kPageSize); }
    quint32 u32(int page, int offset) const;

    // Calls `visit(key, data)` for every row of the B-tree rooted at `rootPage`, in key order.
    // The pages of one tree are not visited again for another.
    void forEachRow(int rootPage,
                    const std::function<void(const QByteArray&, const QByteArray&)>& visit);

private:
    quint16 u16(int page, int offset) const;
    quint8 u8(int page, int offset) const;
    const char* at(int page, int offset, int length) const;
    void checkPage(int page) const;
    // Marks the page as visited; a page visited before fails.
    void enter(int page);
    void walk(int page, int depth,
              const std::function<void(const QByteArray&, const QByteArray&)>& visit);
    // The key and data bytes of the cell at `offset`, the overflow chain followed.
    QByteArray payload(int page, int offset, qint64 length);

    const QByteArray& file_;
    bool swapped_;
    QSet<int> visited_;
    qint64 bytesLeft_;
};
