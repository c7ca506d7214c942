// updatekey: the release signing key of the update archives.
//
//     updatekey generate <public key file> <secret key file>
//         makes a new key pair; the public key file is what update/UpdatePublicKey.txt holds.
//     updatekey sign <secret key file> <archive>
//         writes the archive's detached signature to <archive>.sig.
//     updatekey verify <public key file> <archive>
//         checks <archive>.sig against the public key.
//     updatekey release <secret key file> <version> <release folder> <output folder>
//         builds a release's update files in <output folder>: VantroUp.zip with every file of
//         <release folder> (by its path below it) and the manifest VanManifest.txt (the
//         version and each file's SHA-256), its signature VantroUp.zip.sig, and VanVer.txt
//         announcing the version (with the first 20 names, for programs older than manifests).
//
// Keys are hexadecimal text files. Keep the secret key out of the repository.
#include "ReleaseArchive.h"
#include "update/UpdateFileNames.h"
#include "update/UpdateManifest.h"
#include "update/UpdateSignature.h"
#include "update/UpdateVersionFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
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

// The permission bits a Unix zip program stores for the file.
unsigned unixMode(QFileDevice::Permissions permissions) {
    const QFileDevice::Permission bits[] = {
        QFileDevice::ExeOther, QFileDevice::WriteOther, QFileDevice::ReadOther,
        QFileDevice::ExeGroup, QFileDevice::WriteGroup, QFileDevice::ReadGroup,
        QFileDevice::ExeOwner, QFileDevice::WriteOwner, QFileDevice::ReadOwner};
    unsigned mode = 0;
    for (unsigned bit = 0; bit < std::size(bits); ++bit) {
        if (permissions & bits[bit])
            mode |= 1u << bit;
    }
    return mode;
}

// Every file below the folder, by its path below it, sorted by that path.
std::optional<std::vector<ReleaseArchive::Entry>> releaseFiles(const QString& folder) {
    const QDir root(folder);
    QStringList names;
    QDirIterator found(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        names << root.relativeFilePath(found.next());
    names.sort();
    std::vector<ReleaseArchive::Entry> entries;
    for (const QString& name : names) {
        const std::optional<QByteArray> bytes = readFile(root.filePath(name));
        if (!bytes)
            return std::nullopt;
        entries.push_back({name, *bytes, unixMode(QFile::permissions(root.filePath(name)))});
    }
    return entries;
}

// The manifest of the files; none when a name is not allowed in an update.
std::optional<UpdateManifest> manifestOf(const std::vector<ReleaseArchive::Entry>& entries,
                                         const QString& version) {
    UpdateManifest manifest{version, {}};
    for (const ReleaseArchive::Entry& entry : entries)
        manifest.files.push_back(
            {entry.name, QCryptographicHash::hash(entry.bytes, QCryptographicHash::Sha256)});
    const std::optional<UpdateManifest> readBack = UpdateManifest::parse(manifest.text());
    if (!readBack || readBack->files != manifest.files)
        return std::nullopt;
    return manifest;
}

// The version file: the flag, the version and the names older programs install.
QByteArray versionFile(const UpdateManifest& manifest) {
    QByteArray text = "1\r\n" + manifest.versionText.toUtf8() + "\r\n";
    const int listed = std::min(int(manifest.files.size()), UpdateVersionFile::kNameSlots);
    for (int index = 0; index < listed; ++index)
        text += manifest.files[size_t(index)].name.toUtf8() + "\r\n";
    return text;
}

int release(const QString& secretPath, const QString& version, const QString& folder,
            const QString& output) {
    const QByteArray secretKey = readKey(secretPath, UpdateSignature::kSecretKeyBytes);
    if (secretKey.isEmpty())
        return fail("not a secret key", secretPath);
    static const QRegularExpression versionForm(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"));
    if (!versionForm.match(version).hasMatch())
        return fail("the version is not major.minor.build", version);
    std::optional<std::vector<ReleaseArchive::Entry>> entries = releaseFiles(folder);
    if (!entries || entries->empty())
        return fail("no readable release files in", folder);
    const std::optional<UpdateManifest> manifest = manifestOf(*entries, version);
    if (!manifest)
        return fail("a name is not allowed in an update (New/..., Old/..., VanManifest.txt, "
                    "UpdateJournal.txt, UpdateJournal.lock, UpdateLog.txt, or two names that "
                    "differ only in case) in",
                    folder);
    entries->push_back({QLatin1String(UpdateFileNames::kManifest), manifest->text(), 0644});
    const QDir out(output);
    const QString archive = out.filePath(QStringLiteral("VantroUp.zip"));
    if (!QDir().mkpath(output) || !ReleaseArchive::write(archive, *entries))
        return fail("cannot write", archive);
    if (const int signFailed = sign(secretPath, archive))
        return signFailed;
    const QString versionPath = out.filePath(QLatin1String(UpdateFileNames::kVersionFile));
    if (!writeFile(versionPath, versionFile(*manifest)))
        return fail("cannot write", versionPath);
    std::printf("version %s: %d files\n", qPrintable(version), int(manifest->files.size()));
    if (manifest->files.size() > size_t(UpdateVersionFile::kNameSlots))
        std::printf("VanVer.txt lists the first %d; programs older than manifests install only "
                    "those\n",
                    UpdateVersionFile::kNameSlots);
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
    if (arguments.size() == 6 && command == QLatin1String("release"))
        return release(arguments[2], arguments[3], arguments[4], arguments[5]);
    std::fprintf(stderr, "usage: updatekey generate <public key file> <secret key file>\n"
                         "       updatekey sign <secret key file> <archive>\n"
                         "       updatekey verify <public key file> <archive>\n"
                         "       updatekey release <secret key file> <version> <release folder> "
                         "<output folder>\n");
    return 2;
}
