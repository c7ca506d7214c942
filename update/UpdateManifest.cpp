#include "update/UpdateManifest.h"

#include "platform/SafeRelativeName.h"
#include "update/UpdateFileNames.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace {
constexpr char kVersionPrefix[] = "version ";
constexpr qsizetype kDigestHexDigits = 64;
constexpr char kNameSeparator[] = "  ";

bool isHexDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t lower = c.unicode() | 0x20;
        return (c >= u'0' && c <= u'9') || (lower >= u'a' && lower <= u'f');
    });
}

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Names the update keeps for itself in the program folder: the staging folders and the
// installer's files. Compared without case, as Windows does.
bool isReserved(const QString& name) {
    const QString first = name.section(u'/', 0, 0);
    for (const char* folder : {UpdateFileNames::kNewFolder, UpdateFileNames::kOldFolder}) {
        if (first.compare(QLatin1String(folder), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const char* file : {UpdateFileNames::kManifest, UpdateFileNames::kJournal,
                             UpdateFileNames::kJournalLock, UpdateFileNames::kLog}) {
        if (name.compare(QLatin1String(file), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

std::optional<UpdateManifest::File> parseFileLine(const QString& line) {
    const QStringView digest = QStringView(line).left(kDigestHexDigits);
    const QString name = line.mid(kDigestHexDigits + 2);
    if (digest.size() != kDigestHexDigits || !isHexDigits(digest) ||
        QStringView(line).mid(kDigestHexDigits, 2) != QLatin1String(kNameSeparator) ||
        !SafeRelativeName::isSafe(name) || hasControlCharacter(name) || isReserved(name))
        return std::nullopt;
    return UpdateManifest::File{name, QByteArray::fromHex(digest.toLatin1())};
}

// No two names the same without case, and no name that another uses as its folder. With '/'
// taken as a character below every other (a name holds no control character), the names
// inside a folder sort right after the folder's own name, so neighbours tell both faults in
// one pass, however deep the names go.
bool namesAreDistinct(const std::vector<UpdateManifest::File>& files) {
    constexpr QChar kSeparator(1);
    QStringList names;
    names.reserve(qsizetype(files.size()));
    for (const UpdateManifest::File& file : files)
        names << file.name.toCaseFolded().replace(u'/', kSeparator);
    names.sort();
    for (qsizetype index = 1; index < names.size(); ++index) {
        const QString& previous = names.at(index - 1);
        if (names.at(index) == previous || names.at(index).startsWith(previous + kSeparator))
            return false;
    }
    return true;
}

std::optional<QStringList> utf8Lines(const QByteArray& text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(text);
    if (decoder.hasError() || !decoded.endsWith(u'\n'))
        return std::nullopt;
    QStringList lines = decoded.chopped(1).split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}
} // namespace

std::optional<UpdateManifest> UpdateManifest::parse(const QByteArray& text) {
    if (text.size() > kMaxBytes)
        return std::nullopt;
    const std::optional<QStringList> lines = utf8Lines(text);
    if (!lines || lines->size() < 3 || lines->size() - 2 > kMaxFiles ||
        lines->at(0) != QLatin1String(kFirstLine) ||
        !lines->at(1).startsWith(QLatin1String(kVersionPrefix)))
        return std::nullopt;
    UpdateManifest manifest;
    manifest.versionText = lines->at(1).mid(qsizetype(sizeof kVersionPrefix) - 1);
    if (manifest.versionText.trimmed().isEmpty() || hasControlCharacter(manifest.versionText))
        return std::nullopt;
    for (qsizetype index = 2; index < lines->size(); ++index) {
        std::optional<File> file = parseFileLine(lines->at(index));
        if (!file)
            return std::nullopt;
        manifest.files.push_back(std::move(*file));
    }
    if (!namesAreDistinct(manifest.files))
        return std::nullopt;
    return manifest;
}

std::optional<UpdateManifest> UpdateManifest::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return std::nullopt;
    return parse(file.readAll());
}

QByteArray UpdateManifest::text() const {
    QByteArray text = QByteArray(kFirstLine) + '\n' + kVersionPrefix + versionText.toUtf8() + '\n';
    for (const File& file : files)
        text += file.sha256.toHex() + kNameSeparator + file.name.toUtf8() + '\n';
    return text;
}

bool UpdateManifest::fits(const UpdateVersion& announced, const UpdateVersion& running) const {
    const UpdateVersion version = UpdateVersion::parse(versionText);
    return version == announced && version.isNewerThan(running);
}

QString UpdateManifest::firstMismatch(const QString& folder) const {
    const QDir root(folder);
    for (const File& file : files) {
        const QString path = root.filePath(file.name);
        const QFileInfo info(path);
        if (info.isSymLink() || !info.isFile() || sha256Of(path) != file.sha256)
            return file.name;
    }
    return {};
}

QByteArray UpdateManifest::sha256Of(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}
