#include "forms/EmfRecordReader.h"

#include "forms/EmfFormat.h"

#include <QtEndian>

namespace {

constexpr qsizetype kRecordPrefix = 8;
constexpr qsizetype kMicrometreExtensionEnd = 108;
// A form page has a few hundred records; a page with more than this is not one, and reading
// it would only cost memory and time.
constexpr qsizetype kMostRecords = 100'000;

EmfRecord recordAt(QByteArrayView image, qsizetype offset, qsizetype size) {
    return EmfRecord(qFromLittleEndian<quint32>(image.data() + offset), image.sliced(offset, size),
                     offset);
}

} // namespace

EmfRecordReader::EmfRecordReader(QByteArrayView image) {
    if (readHeader(image))
        readRecords(image);
}

bool EmfRecordReader::fail(const QString& message) {
    error_ = message;
    records_.clear();
    return false;
}

bool EmfRecordReader::readHeader(QByteArrayView image) {
    if (image.size() < Emf::kMinimumHeaderSize)
        return fail(QStringLiteral("The page image is too short to be an enhanced metafile."));
    const quint32 type = qFromLittleEndian<quint32>(image.data());
    const quint32 size = qFromLittleEndian<quint32>(image.data() + 4);
    if (type != Emf::kHeader || size < Emf::kMinimumHeaderSize || size % 4 != 0 ||
        size > quint32(image.size()))
        return fail(QStringLiteral("The page image does not begin with a metafile header."));
    const EmfRecord record = recordAt(image, 0, size);
    if (record.u32(40) != Emf::kSignature)
        return fail(QStringLiteral("The page image has no metafile signature."));
    if (record.u32(48) > quint32(image.size()))
        return fail(QStringLiteral("The page image is truncated."));
    header_.bounds = record.edges(8);
    header_.frame = record.edges(24);
    header_.handleCount = record.u16(56);
    header_.devicePixels = QSize(record.i32(72), record.i32(76));
    header_.deviceMillimetres = QSize(record.i32(80), record.i32(84));
    if (record.size() >= kMicrometreExtensionEnd)
        header_.deviceMicrometres = QSize(record.i32(100), record.i32(104));
    records_.append(record);
    return true;
}

bool EmfRecordReader::readRecords(QByteArrayView image) {
    qsizetype offset = records_.first().size();
    while (image.size() - offset >= kRecordPrefix) {
        const quint32 size = qFromLittleEndian<quint32>(image.data() + offset + 4);
        if (size < kRecordPrefix || size % 4 != 0 || size > quint64(image.size() - offset) ||
            records_.size() >= kMostRecords)
            return fail(
                QStringLiteral("The page image has a damaged record at byte %1.").arg(offset));
        const EmfRecord record = recordAt(image, offset, size);
        records_.append(record);
        if (record.type() == Emf::kEof)
            return true;
        offset += size;
    }
    return fail(QStringLiteral("The page image is truncated."));
}
