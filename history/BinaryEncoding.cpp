#include "history/BinaryEncoding.h"

#include <array>

namespace {
constexpr unsigned char kEscape = 0x01;
constexpr unsigned char kQuote = 0x27;

// The byte an escape pair 01 d stands for (before the offset is added), or -1.
int escapedByte(unsigned char second) {
    switch (second) {
    case 1:
        return 0x00;
    case 2:
        return 0x01;
    case 3:
    case 0x28:
        return kQuote;
    default:
        return -1;
    }
}

void appendEncoded(QByteArray& out, unsigned char shifted) {
    if (shifted == 0x00 || shifted == kEscape || shifted == kQuote) {
        out.append(static_cast<char>(kEscape));
        out.append(static_cast<char>(shifted == kQuote ? 3 : shifted + 1));
    } else {
        out.append(static_cast<char>(shifted));
    }
}
} // namespace

int binaryEncodingOffset(const QByteArray& bytes) {
    std::array<qsizetype, 256> counts{};
    for (char byte : bytes)
        ++counts[static_cast<unsigned char>(byte)];
    qsizetype best = bytes.size();
    int offset = 0;
    for (int candidate = 1; candidate < 256; ++candidate) {
        if (candidate == kQuote)
            continue;
        const qsizetype sum = counts[static_cast<std::size_t>(candidate)] +
                              counts[static_cast<std::size_t>((candidate + 1) & 0xff)] +
                              counts[static_cast<std::size_t>((candidate + kQuote) & 0xff)];
        if (sum < best) {
            best = sum;
            offset = candidate;
            if (sum == 0)
                break;
        }
    }
    return offset;
}

QByteArray encodeBinary(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return QByteArrayLiteral("x");
    const int offset = binaryEncodingOffset(bytes);
    QByteArray out;
    out.reserve(bytes.size() * 257 / 254 + 3);
    out.append(static_cast<char>(offset));
    for (char byte : bytes)
        appendEncoded(out, static_cast<unsigned char>(static_cast<unsigned char>(byte) - offset));
    return out;
}

std::optional<QByteArray> decodeBinary(const QByteArray& text) {
    const qsizetype end = text.contains('\0') ? text.indexOf('\0') : text.size();
    if (end == 0)
        return std::nullopt;
    const auto offset = static_cast<unsigned char>(text[0]);
    QByteArray bytes;
    bytes.reserve(end);
    for (qsizetype at = 1; at < end; ++at) {
        int value = static_cast<unsigned char>(text[at]);
        if (value == kEscape) {
            value = at + 1 < end ? escapedByte(static_cast<unsigned char>(text[++at])) : -1;
            if (value < 0)
                return std::nullopt;
        }
        bytes.append(static_cast<char>((value + offset) & 0xff));
    }
    return bytes;
}
