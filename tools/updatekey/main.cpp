// updatekey: the release signing key of the update archives.
//
//     updatekey generate <public key file> <secret key file>
//         makes a new key pair; the public key file is what update/UpdatePublicKey.txt holds.
//     updatekey sign <secret key file> <archive>
//         writes the archive's detached signature to <archive>.sig.
//     updatekey verify <public key file> <archive>
//         checks <archive>.sig against the public key.
//
// Keys are hexadecimal text files. Keep the secret key out of the repository.
#include "update/UpdateSignature.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <optional>

namespace {
std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The key in the last line of hexadecimal digits of the file (the public key file of the
// repository starts with comment lines).
QByteArray readKey(const QString& path, int bytes) {
    const std::optional<QByteArray> text = readFile(path);
    if (!text)
        return {};
    const QList<QByteArray> lines = text->trimmed().split('\n');
    return UpdateSignature::keyFromHex(lines.last(), bytes);
}

int fail(const char* message, const QString& path) {
    std::fprintf(stderr, "updatekey: %s: %s\n", message, qPrintable(path));
    return 1;
}

int generate(const QString& publicPath, const QString& secretPath) {
    const UpdateSignature::KeyPair pair = UpdateSignature::generateKeyPair();
    if (!writeFile(publicPath, pair.publicKey.toHex() + '\n'))
        return fail("cannot write", publicPath);
    if (!writeFile(secretPath, pair.secretKey.toHex() + '\n'))
        return fail("cannot write", secretPath);
    QFile::setPermissions(secretPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return 0;
}

int sign(const QString& secretPath, const QString& archive) {
    const QByteArray secretKey = readKey(secretPath, UpdateSignature::kSecretKeyBytes);
    if (secretKey.isEmpty())
        return fail("not a secret key", secretPath);
    const std::optional<QByteArray> bytes = readFile(archive);
    if (!bytes)
        return fail("cannot read", archive);
    const QString signaturePath = archive + QStringLiteral(".sig");
    if (!writeFile(signaturePath, UpdateSignature::sign(*bytes, secretKey)))
        return fail("cannot write", signaturePath);
    return 0;
}

int verify(const QString& publicPath, const QString& archive) {
    const QByteArray publicKey = readKey(publicPath, UpdateSignature::kPublicKeyBytes);
    if (publicKey.isEmpty())
        return fail("not a public key", publicPath);
    const std::optional<QByteArray> bytes = readFile(archive);
    const std::optional<QByteArray> signature = readFile(archive + QStringLiteral(".sig"));
    if (!bytes || !signature || !UpdateSignature::verify(*bytes, *signature, publicKey))
        return fail("the signature does not match", archive);
    std::printf("signature good\n");
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString command = arguments.value(1);
    if (arguments.size() == 4 && command == QLatin1String("generate"))
        return generate(arguments[2], arguments[3]);
    if (arguments.size() == 4 && command == QLatin1String("sign"))
        return sign(arguments[2], arguments[3]);
    if (arguments.size() == 4 && command == QLatin1String("verify"))
        return verify(arguments[2], arguments[3]);
    std::fprintf(stderr, "usage: updatekey generate <public key file> <secret key file>\n"
                         "       updatekey sign <secret key file> <archive>\n"
                         "       updatekey verify <public key file> <archive>\n");
    return 2;
}
