#pragma once

#include <QByteArray>
#include <QString>

// Detached Ed25519 signatures of update archives (libsodium). A release is signed with the
// maker's secret key; the program carries the matching public key and installs nothing whose
// signature does not check out. Keys are stored as lower-case hexadecimal text.
namespace UpdateSignature {
inline constexpr int kPublicKeyBytes = 32;
inline constexpr int kSecretKeyBytes = 64;
inline constexpr int kSignatureBytes = 64;

struct KeyPair {
    QByteArray publicKey;
    QByteArray secretKey;
};

// The public key built into the program (read from the repository's key file by the build).
QByteArray builtInPublicKey();

// True when `signature` is a valid signature of `message` by the holder of `publicKey`.
bool verify(const QByteArray& message, const QByteArray& signature, const QByteArray& publicKey);
// The signature of `message`; empty when the secret key is not a key.
QByteArray sign(const QByteArray& message, const QByteArray& secretKey);
KeyPair generateKeyPair();

// Hexadecimal key text to bytes; empty when the text is not a key of `bytes` bytes.
QByteArray keyFromHex(const QByteArray& text, int bytes);
} // namespace UpdateSignature
