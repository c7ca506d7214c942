#include "forms/EmfFonts.h"

#include "platform/DataFiles.h"

#include <QCache>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QThread>
#include <cmath>

namespace {

// The family of the program's OCR-A font file once registered, else empty.
QString& programOcrFamily() {
    static QString family;
    return family;
}

// A raw font's place in a thread's cache: the face, its style and the pixel size.
struct FontKey {
    QString face;
    bool bold;
    bool italic;
    qreal pixelSize;

    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.face, key.bold, key.italic, key.pixelSize);
}

// The raw fonts of one thread. The fonts hold on to the font engines of the thread's font
// database, which Qt takes down when the thread finishes (for the main thread: when the
// application object goes), so the cache lets go of its fonts before that: when its thread
// emits finished, and on the main thread in the application's clean-up routines.
class ThreadFonts {
public:
    static ThreadFonts& current() {
        thread_local ThreadFonts fonts;
        return fonts;
    }

    ~ThreadFonts() { QObject::disconnect(threadFinished_); }

    QRawFont* find(const FontKey& key) { return fonts_.object(key); }

    void insert(const FontKey& key, const QRawFont& font) {
        if (fonts_.isEmpty())
            releaseBeforeTheFontsGo();
        fonts_.insert(key, new QRawFont(font));
    }

private:
    static void clearMainThreadFonts() { current().fonts_.clear(); }

    void releaseBeforeTheFontsGo() {
        QThread* thread = QThread::currentThread();
        const QCoreApplication* application = QCoreApplication::instance();
        if (application && thread == application->thread()) {
            qAddPostRoutine(&ThreadFonts::clearMainThreadFonts);
        } else if (!threadFinished_) {
            threadFinished_ =
                QObject::connect(thread, &QThread::finished, [this] { fonts_.clear(); });
        }
    }

    QCache<FontKey, QRawFont> fonts_{EmfFonts::kFontsPerThread};
    QMetaObject::Connection threadFinished_;
};

QRawFont openRawFont(const EmfFont& font, qreal pixelSize) {
    QFont qfont(EmfFonts::familyFor(font.face));
    qfont.setPixelSize(64);
    qfont.setBold(font.weight >= 600);
    qfont.setItalic(font.italic);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setStyleStrategy(QFont::PreferOutline);
    QRawFont raw = QRawFont::fromFont(qfont);
    raw.setPixelSize(pixelSize);
    return raw;
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
    const FontKey key{font.face.toLower(), font.weight >= 600, font.italic, pixelSize};
    ThreadFonts& fonts = ThreadFonts::current();
    if (const QRawFont* found = fonts.find(key))
        return *found;
    const QRawFont raw = openRawFont(font, pixelSize);
    fonts.insert(key, raw);
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
