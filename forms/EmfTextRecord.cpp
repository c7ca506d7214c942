#include "forms/EmfTextRecord.h"

#include "forms/EmfFormat.h"
#include "platform/Cp1252.h"

namespace {

// With ETO_PDY the advance array holds an x and a y advance per character.
constexpr quint32 kOptionVerticalAdvances = 0x2000;

QString readCharacters(const EmfRecord& record, qsizetype offset, qsizetype count, bool wide) {
    if (!wide) {
        const QByteArrayView bytes = record.bytes(offset, count);
        return Cp1252::toUnicode(bytes.data(), bytes.size());
    }
    QString text;
    if (!record.has(offset, count * 2))
        return text;
    text.reserve(count);
    for (qsizetype index = 0; index < count; ++index)
        text.append(QChar(record.u16(offset + 2 * index)));
    return text;
}

QList<qint32> readAdvances(const EmfRecord& record, qsizetype offset, qsizetype count,
                           quint32 options) {
    QList<qint32> advances;
    if (offset == 0)
        return advances;
    const qsizetype stride = (options & kOptionVerticalAdvances) ? 8 : 4;
    if (!record.has(offset, count * stride))
        return advances;
    advances.reserve(count);
    for (qsizetype index = 0; index < count; ++index)
        advances.append(record.i32(offset + stride * index));
    return advances;
}

} // namespace

std::optional<EmfText> parseTextOut(const EmfRecord& record) {
    const bool wide = record.type() == Emf::kExtTextOutW;
    EmfText text;
    text.reference = record.point(36);
    const qsizetype count = record.u32(44);
    const qsizetype stringOffset = record.u32(48);
    text.options = record.u32(52);
    const qsizetype advancesOffset = record.u32(72);
    if (!record.ok() || count > record.size())
        return std::nullopt;
    text.text = readCharacters(record, stringOffset, count, wide);
    text.advances = readAdvances(record, advancesOffset, count, text.options);
    text.textOffset = record.offset() + stringOffset;
    if (!record.ok())
        return std::nullopt;
    return text;
}

std::optional<EmfFontRecord> parseFontRecord(const EmfRecord& record) {
    constexpr qsizetype kLogFont = 12;
    EmfFontRecord result;
    result.handle = record.u32(8);
    EmfFont& font = result.font;
    font.height = record.i32(kLogFont);
    font.escapement = record.i32(kLogFont + 8);
    font.weight = record.i32(kLogFont + 16);
    font.italic = record.u8(kLogFont + 20) != 0;
    font.underline = record.u8(kLogFont + 21) != 0;
    font.strikeOut = record.u8(kLogFont + 22) != 0;
    const qsizetype faceOffset = kLogFont + 28;
    for (qsizetype index = 0; index < Emf::kFaceNameLength; ++index) {
        const quint16 unit = record.u16(faceOffset + 2 * index);
        if (unit == 0)
            break;
        font.face.append(QChar(unit));
    }
    if (!record.ok())
        return std::nullopt;
    return result;
}
