#include "update/UpdateSignature.h"

#include <sodium.h>

namespace {
bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

const unsigned char* bytesOf(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}
} // namespace

namespace UpdateSignature {

QByteArray builtInPublicKey() {
    return keyFromHex(QByteArrayLiteral(VANTROBE_UPDATE_PUBLIC_KEY), kPublicKeyBytes);
}

bool verify(const QByteArray& message, const QByteArray& signature, const QByteArray& publicKey) {
    if (!sodiumReady() || signature.size() != kSignatureBytes ||
        publicKey.size() != kPublicKeyBytes)
        return false;
    return crypto_sign_verify_detached(bytesOf(signature), bytesOf(message),
                                       quint64(message.size()), bytesOf(publicKey)) == 0;
}

QByteArray sign(const QByteArray& message, const QByteArray& secretKey) {
    if (!sodiumReady() || secretKey.size() != kSecretKeyBytes)
        return {};
    QByteArray signature(kSignatureBytes, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         bytesOf(message), quint64(message.size()), bytesOf(secretKey));
    return signature;
}

KeyPair generateKeyPair() {
    KeyPair pair{QByteArray(kPublicKeyBytes, '\0'), QByteArray(kSecretKeyBytes, '\0')};
    if (!sodiumReady())
        return {};
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(pair.publicKey.data()),
                        reinterpret_cast<unsigned char*>(pair.secretKey.data()));
    return pair;
}

QByteArray keyFromHex(const QByteArray& text, int bytes) {
    const QByteArray trimmed = text.trimmed();
    const QByteArray key = QByteArray::fromHex(trimmed);
    if (key.size() != bytes || key.toHex() != trimmed.toLower())
        return {};
    return key;
}

} // namespace UpdateSignature
