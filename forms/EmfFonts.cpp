#include "forms/EmfFonts.h"

#include "platform/DataFiles.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <cmath>

namespace {

// The family of the program's OCR-A font file once registered, else empty.
QString& programOcrFamily() {
    static QString family;
    return family;
}

} // namespace

void EmfFonts::registerProgramFonts() {
    static const bool registered = [] {
        const QString path = DataFiles::locate(QStringLiteral("OCRA____.TTF"));
        if (QFile::exists(path)) {
            const int id = QFontDatabase::addApplicationFont(path);
            programOcrFamily() = QFontDatabase::applicationFontFamilies(id).value(0);
        }
        return true;
    }();
    Q_UNUSED(registered);
}

QString EmfFonts::familyFor(const QString& face) {
    static const QHash<QString, QString> substitutes = {
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
    };
    const QString key = face.trimmed().toLower();
    if (key.isEmpty())
        return QStringLiteral("Liberation Sans");
    if (key == QLatin1String("ocra") && !programOcrFamily().isEmpty())
        return programOcrFamily();
    return substitutes.value(key, face.trimmed());
}

QRawFont EmfFonts::rawFont(const EmfFont& font, qreal pixelSize) {
    registerProgramFonts();
    const QString key = QStringLiteral("%1|%2|%3")
                            .arg(font.face.toLower())
                            .arg(font.weight >= 600 ? 1 : 0)
                            .arg(font.italic ? 1 : 0);
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        QFont qfont(familyFor(font.face));
        qfont.setPixelSize(64);
        qfont.setBold(font.weight >= 600);
        qfont.setItalic(font.italic);
        qfont.setHintingPreference(QFont::PreferNoHinting);
        qfont.setStyleStrategy(QFont::PreferOutline);
        found = cache_.insert(key, QRawFont::fromFont(qfont));
    }
    QRawFont raw = *found;
    raw.setPixelSize(pixelSize);
    return raw;
}

QList<qint32> EmfFonts::designAdvances(const EmfFont& font, const QString& text) {
    const QRawFont raw = rawFont(font, -font.height);
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    QList<qint32> rounded;
    double exact = 0;
    qint32 placed = 0;
    for (qsizetype index = 0; index < text.size(); ++index) {
        exact += index < advances.size() ? advances[index].x() : 0;
        const qint32 next = qint32(std::lround(exact));
        rounded.append(next - placed);
        placed = next;
    }
    return rounded;
}
