#pragma once

#include <QByteArray>
#include <optional>

// The binary-to-text encoding older history files keep their page archives in: an offset
// byte, then every byte minus the offset, with 0x00, 0x01 and 0x27 (after the subtraction)
// written as the pairs 01 01, 01 02 and 01 03. The text holds no zero byte and no quote.

// The offset the encoder picks: the first of 1..255 (never 0x27) for which the bytes i, i+1
// and i+0x27 (mod 256) are rarest, stopping at the first that never occurs.
int binaryEncodingOffset(const QByteArray& bytes);
// The encoded text; empty input gives "x".
QByteArray encodeBinary(const QByteArray& bytes);
// The bytes of an encoded text (up to its first zero byte, if any). Both escape sets are
// taken: 01 03 and the later engines' 01 28 for 0x27. Anything else after 01 is not an
// encoded text.
std::optional<QByteArray> decodeBinary(const QByteArray& text);
