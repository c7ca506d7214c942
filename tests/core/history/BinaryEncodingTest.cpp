#include "history/BinaryEncoding.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int value : values)
        bytes.append(static_cast<char>(value));
    return bytes;
}

// Every byte value but those listed.
QByteArray allBytesExcept(std::initializer_list<int> missing) {
    QByteArray bytes;
    for (int value = 0; value < 256; ++value) {
        if (std::find(missing.begin(), missing.end(), value) == missing.end())
            bytes.append(static_cast<char>(value));
    }
    return bytes;
}

TEST(BinaryEncoding, OffsetIsTheFirstCandidateWhoseThreeBytesNeverOccur) {
    const struct {
        QByteArray bytes;
        int offset;
    } cases[] = {
        {bytesOf({0x00, 0x00}), 1},
        // 1, 2 and 0x28 are all taken, so 2 (2, 3, 0x29) is rarest once 3 and 0x29 are missing.
        {allBytesExcept({3, 0x29}) + allBytesExcept({3, 0x29}), 2},
        {allBytesExcept({0x50, 0x51, 0x77}), 0x50},
        // 0x27 is never a candidate even when its three bytes are missing.
        {allBytesExcept({0x27, 0x28, 0x4e, 0x60, 0x61, 0x87}), 0x60},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(binaryEncodingOffset(c.bytes), c.offset);
        const QByteArray text = encodeBinary(c.bytes);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), c.offset);
        EXPECT_EQ(decodeBinary(text), c.bytes);
    }
}

TEST(BinaryEncoding, WithoutEscapesTheTextIsOneLongerAndHoldsNoZeroOrQuote) {
    const QByteArray bytes = allBytesExcept({0x50, 0x51, 0x77});
    const QByteArray text = encodeBinary(bytes);
    EXPECT_EQ(text.size(), bytes.size() + 1);
    EXPECT_FALSE(text.contains('\0'));
    EXPECT_FALSE(text.contains('\''));
}

TEST(BinaryEncoding, RandomBytesComeBackUnchanged) {
    QRandomGenerator random(7);
    for (int size : {1, 2, 255, 256, 4096, 70000}) {
        QByteArray bytes(size, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random.bounded(256));
        const QByteArray text = encodeBinary(bytes);
        EXPECT_LE(text.size(), size * 257 / 254 + 3);
        EXPECT_FALSE(text.contains('\0'));
        EXPECT_FALSE(text.contains('\''));
        EXPECT_EQ(decodeBinary(text), bytes) << size;
    }
}

TEST(BinaryEncoding, EmptyInputIsTheTextX) {
    EXPECT_EQ(encodeBinary({}), "x");
    EXPECT_EQ(decodeBinary("x"), QByteArray());
}

TEST(BinaryEncoding, DecodingTakesBothEscapeSetsAndRefusesOthers) {
    // Offset 0x10: 01 01 -> 0x10, 01 02 -> 0x11, 01 03 and 01 28 -> 0x37, 0x20 -> 0x30.
    EXPECT_EQ(decodeBinary(bytesOf({0x10, 1, 1, 1, 2, 1, 3, 1, 0x28, 0x20})),
              bytesOf({0x10, 0x11, 0x37, 0x37, 0x30}));
    EXPECT_EQ(decodeBinary(bytesOf({0x10, 0x20, 0, 0x21})), bytesOf({0x30}));
    EXPECT_FALSE(decodeBinary(bytesOf({0x10, 1, 4})));
    EXPECT_FALSE(decodeBinary(bytesOf({0x10, 0x20, 1})));
    EXPECT_FALSE(decodeBinary(QByteArray()));
}

} // namespace
