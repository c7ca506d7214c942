#include "forms/preview/PreviewDocument.h"

#include "forms/EmfFormat.h"

#include <QFile>
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

// Writes the picture group of a page; an empty image (a page left out) writes nothing.
bool writePicture(QFile& document, const QByteArray& image) {
    if (image.isEmpty())
        return true;
    const QByteArray start = kPictureStart + QByteArray::number(image.size()) + ' ';
    return document.write(start) == start.size() && document.write(image) == image.size() &&
           document.write(kPictureEnd) == qint64(qstrlen(kPictureEnd));
}

// The pictures go to the file one after the other, never gathered into one block of memory.
bool writeDocument(QFile& document, const PageImages& images) {
    if (!document.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        document.write(kHeader) != qint64(qstrlen(kHeader)))
        return false;
    for (const QByteArray& image : images) {
        if (!writePicture(document, image))
            return false;
    }
    return document.write(kClosing) == qint64(qstrlen(kClosing)) && document.flush();
}
} // namespace

QString previewDocumentPath(const QString& folder, const QString& businessName, QDate today) {
    QString name = businessName;
    for (const QChar forbidden : QStringLiteral("\\/:*?\"<>|"))
        name.replace(forbidden, QLatin1Char(' '));
    return folder + name.trimmed() +
           QString::asprintf("-%d-%d-%d.doc", today.month(), today.day(), today.year());
}

bool writePreviewDocument(const QString& path, const PageImages& images) {
    if (!std::all_of(images.begin(), images.end(),
                     [](const QByteArray& image) { return image.isEmpty() || isEmfImage(image); }))
        return false;
    QFile document(path);
    if (writeDocument(document, images))
        return true;
    document.close();
    QFile::remove(path);
    return false;
}

bool writePreviewDocument(const QString& path, const PageList& pages) {
    return writePreviewDocument(path, readPageImages(pages));
}

bool previewDocumentLoads(const QString& path, const PageImages& images) {
    QFile document(path);
    if (!document.open(QIODevice::ReadOnly) || document.size() == 0)
        return false;
    return std::none_of(images.begin(), images.end(),
                        [](const QByteArray& image) { return image.isEmpty(); });
}
