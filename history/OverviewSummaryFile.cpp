#include "history/OverviewSummaryFile.h"

#include "platform/SafeWrite.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace {
constexpr quint32 kMark = 0x56544253;
constexpr quint32 kFormatVersion = 1;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;
// Far beyond what a practice's clients could need; a larger file is not read.
constexpr qint64 kMaxFileBytes = 64 << 20;
constexpr int kMaxTextLength = 4096;
constexpr int kMaxProblems = 64;

QByteArray digestOf(const QByteArray& content) {
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

void writeOverview(QDataStream& out, const QString& path, const KeptOverview& kept) {
    const HistoryOverview& overview = kept.overview;
    out << path << kept.stamp.size << kept.stamp.modifiedMs << kept.stamp.changedMs
        << overview.hasHistory << qint32(overview.latestIndex) << overview.latestPeriod.has_value();
    if (overview.latestPeriod)
        out << qint32(overview.latestPeriod->type) << qint32(overview.latestPeriod->year)
            << qint32(overview.latestPeriod->number);
    out << overview.lastPaymentDue << overview.problems;
}

QByteArray contentOf(const KeptOverviews& overviews) {
    QByteArray content;
    QDataStream out(&content, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << quint32(overviews.size());
    for (auto kept = overviews.cbegin(); kept != overviews.cend(); ++kept)
        writeOverview(out, kept.key(), kept.value());
    return content;
}

bool isPlausibleText(const QString& text) {
    return text.size() <= kMaxTextLength;
}

bool isPlausible(const QString& path, const KeptOverview& kept) {
    const HistoryOverview& overview = kept.overview;
    if (path.isEmpty() || !isPlausibleText(path) || kept.stamp.size < 0 ||
        !isPlausibleText(overview.lastPaymentDue) || overview.problems.size() > kMaxProblems)
        return false;
    if (overview.latestPeriod && !overview.latestPeriod->isValid())
        return false;
    return std::all_of(overview.problems.cbegin(), overview.problems.cend(), isPlausibleText);
}

std::optional<FilingPeriod> readPeriod(QDataStream& in) {
    bool hasPeriod = false;
    in >> hasPeriod;
    if (!hasPeriod)
        return std::nullopt;
    qint32 type = 0, year = 0, number = 0;
    in >> type >> year >> number;
    return FilingPeriod{type, year, number};
}

// One overview from the stream; nothing when the stream ends or holds what no overview has.
std::optional<std::pair<QString, KeptOverview>> readOverview(QDataStream& in) {
    QString path;
    KeptOverview kept;
    qint32 latestIndex = 0;
    in >> path >> kept.stamp.size >> kept.stamp.modifiedMs >> kept.stamp.changedMs >>
        kept.overview.hasHistory >> latestIndex;
    kept.overview.latestIndex = latestIndex;
    kept.overview.latestPeriod = readPeriod(in);
    in >> kept.overview.lastPaymentDue >> kept.overview.problems;
    if (in.status() != QDataStream::Ok || !isPlausible(path, kept))
        return std::nullopt;
    return std::pair{path, kept};
}

KeptOverviews overviewsOf(const QByteArray& content) {
    QDataStream in(content);
    in.setVersion(kStreamVersion);
    quint32 count = 0;
    in >> count;
    KeptOverviews overviews;
    for (quint32 index = 0; index < count && in.status() == QDataStream::Ok; ++index) {
        const auto overview = readOverview(in);
        if (!overview)
            return {};
        overviews.insert(overview->first, overview->second);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return {};
    return overviews;
}
} // namespace

QString OverviewSummaryFile::userPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("ReturnsDue.summary"));
}

KeptOverviews OverviewSummaryFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {};
    QDataStream in(&file);
    in.setVersion(kStreamVersion);
    quint32 mark = 0, version = 0;
    QByteArray content, digest;
    in >> mark >> version;
    if (mark != kMark || version != kFormatVersion)
        return {};
    in >> content >> digest;
    if (in.status() != QDataStream::Ok || !in.atEnd() || digest != digestOf(content))
        return {};
    return overviewsOf(content);
}

bool OverviewSummaryFile::write(const QString& path, const KeptOverviews& overviews) {
    const QByteArray content = contentOf(overviews);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kMark << kFormatVersion << content << digestOf(content);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && !SafeWrite::replace(path, bytes);
}
