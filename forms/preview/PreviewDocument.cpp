#include "forms/preview/PreviewDocument.h"

#include "forms/EmfFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace {
const char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0\\fswiss"
    "\\fcharset0 Arial;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\\margl0\\margr0"
    "\\margt0\\margb0\\viewkind4\\uc1\\pard\\f0\\fs20";
const char kPictureStart[] =
    "{\\pict\\emfblip\\picw21590\\pich27589\\picwgoal12240\\pichgoal15840\\bin";
const char kPictureEnd[] = " }\n";
const char kClosing[] = "\\f1\\fs24\\par}";

constexpr qsizetype kEmfHeaderSize = 88;
constexpr qsizetype kSignatureOffset = 40;

bool isEmfImage(const QByteArray& bytes) {
    if (bytes.size() < kEmfHeaderSize)
        return false;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    return qFromLittleEndian<quint32>(data) == Emf::kHeader &&
           qFromLittleEndian<quint32>(data + kSignatureOffset) == Emf::kSignature;
}

// The page's picture group, none for a page to leave out; false when the page is no EMF.
bool appendPicture(QByteArray& document, const PageEntry& page) {
    QFile file(page.path());
    if (!file.exists() || file.size() == 0)
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray image = file.readAll();
    if (!isEmfImage(image))
        return false;
    document += kPictureStart;
    document += QByteArray::number(image.size()) + ' ';
    document += image;
    document += kPictureEnd;
    return true;
}
} // namespace

QString previewDocumentPath(const QString& folder, const QString& businessName, QDate today) {
    QString name = businessName;
    for (const QChar forbidden : QStringLiteral("\\/:*?\"<>|"))
        name.replace(forbidden, QLatin1Char(' '));
    return folder + name.trimmed() +
           QString::asprintf("-%d-%d-%d.doc", today.month(), today.day(), today.year());
}

bool writePreviewDocument(const QString& path, const PageList& pages) {
    QByteArray document(kHeader);
    for (const PageEntry& page : pages) {
        if (!appendPicture(document, page))
            return false;
    }
    document += kClosing;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(document) == document.size() && file.flush())
        return true;
    file.close();
    QFile::remove(path);
    return false;
}

bool previewDocumentLoads(const QString& path, const PageList& pages) {
    QFile document(path);
    if (!document.open(QIODevice::ReadOnly) || document.size() == 0)
        return false;
    return std::all_of(pages.begin(), pages.end(), [](const PageEntry& page) {
        QFile file(page.path());
        return file.open(QIODevice::ReadOnly) && file.size() > 0;
    });
}
