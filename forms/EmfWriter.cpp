#include "forms/EmfWriter.h"

#include "forms/EmfFormat.h"

#include <QtEndian>
#include <cstring>

namespace {

void appendU32(QByteArray& bytes, quint32 value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

void appendI32(QByteArray& bytes, qint32 value) {
    appendU32(bytes, quint32(value));
}

void appendI16(QByteArray& bytes, qint16 value) {
    char buffer[2];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 2);
}

void appendFloat(QByteArray& bytes, float value) {
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    appendU32(bytes, bits);
}

void appendRect(QByteArray& bytes, const QRect& rect) {
    appendI32(bytes, rect.left());
    appendI32(bytes, rect.top());
    appendI32(bytes, rect.right());
    appendI32(bytes, rect.bottom());
}

void appendPoint(QByteArray& bytes, QPoint point) {
    appendI32(bytes, point.x());
    appendI32(bytes, point.y());
}

// UTF-16LE code units, padded with zeros to a multiple of four bytes.
void appendUtf16(QByteArray& bytes, const QString& text) {
    for (const QChar character : text)
        appendI16(bytes, qint16(character.unicode()));
    while (bytes.size() % 4 != 0)
        bytes.append('\0');
}

void putU32(QByteArray& bytes, qsizetype offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
}

QRect boundsOf(const QList<QPoint>& points) {
    QRect bounds;
    for (const QPoint point : points)
        bounds = bounds.united(QRect(point, QSize(1, 1)));
    return bounds;
}

QByteArray logFont(const EmfFont& font) {
    QByteArray bytes;
    appendI32(bytes, font.height);
    appendI32(bytes, 0); // width: the face's own
    appendI32(bytes, font.escapement);
    appendI32(bytes, font.escapement); // orientation
    appendI32(bytes, font.weight);
    bytes.append(char(font.italic ? 1 : 0));
    bytes.append(char(font.underline ? 1 : 0));
    bytes.append(char(font.strikeOut ? 1 : 0));
    bytes.append('\0'); // ANSI character set
    bytes.append('\0'); // default output precision
    bytes.append('\0'); // default clip precision
    bytes.append('\0'); // default quality
    bytes.append('\0'); // default pitch and family
    QString face = font.face.left(Emf::kFaceNameLength - 1);
    face.resize(Emf::kFaceNameLength, QChar(0));
    appendUtf16(bytes, face);
    return bytes;
}

constexpr int kHeaderFixedSize = 108;
constexpr int kHundredthsOfMillimetrePerInch = 2540;

} // namespace

EmfWriter::EmfWriter(QSize pageUnits, int unitsPerInch, const QString& description)
    : pageUnits_(pageUnits), unitsPerInch_(unitsPerInch) {
    writeHeader(description);
    writeValues(Emf::kSetMapMode, {Emf::kMapAnisotropic});
    const auto width = quint32(pageUnits.width());
    const auto height = quint32(pageUnits.height());
    writeValues(Emf::kSetWindowExtEx, {width, height});
    writeValues(Emf::kSetViewportExtEx, {width, height});
    writeValues(Emf::kSetBkMode, {Emf::kTransparent});
    writeValues(Emf::kSetTextAlign, {Emf::kAlignBaseline});
}

void EmfWriter::writeHeader(const QString& description) {
    // The header is completed by finish(); here it gets its layout and the fixed values.
    const QRect page(QPoint(0, 0), pageUnits_);
    const QRect frame(0, 0, pageUnits_.width() * kHundredthsOfMillimetrePerInch / unitsPerInch_,
                      pageUnits_.height() * kHundredthsOfMillimetrePerInch / unitsPerInch_);
    QByteArray text;
    appendUtf16(text, QStringLiteral("Vantrobe") + QChar(0) + description + QChar(0) + QChar(0));
    const qint32 descriptionChars =
        qint32(2 + QStringLiteral("Vantrobe").size() + description.size());

    appendU32(bytes_, Emf::kHeader);
    appendU32(bytes_, quint32(kHeaderFixedSize + text.size()));
    appendRect(bytes_, page.adjusted(0, 0, -1, -1)); // bounds, inclusive, device units
    // The frame in 0.01 mm, as the page rectangle given to a metafile recorder.
    for (const int edge :
         {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()})
        appendI32(bytes_, edge);
    appendU32(bytes_, Emf::kSignature);
    appendU32(bytes_, Emf::kFormatVersion);
    appendU32(bytes_, 0); // total bytes: finish()
    appendU32(bytes_, 0); // record count: finish()
    appendU32(bytes_, 0); // handle count (16 bits) and reserved: finish()
    appendU32(bytes_, quint32(descriptionChars));
    appendU32(bytes_, kHeaderFixedSize);
    appendU32(bytes_, 0);                  // palette entries
    appendI32(bytes_, pageUnits_.width()); // reference device in pixels
    appendI32(bytes_, pageUnits_.height());
    appendI32(bytes_, (frame.width() + 50) / 100); // ... and in millimetres
    appendI32(bytes_, (frame.height() + 50) / 100);
    appendU32(bytes_, 0); // no pixel format
    appendU32(bytes_, 0);
    appendU32(bytes_, 0);                  // no OpenGL records
    appendI32(bytes_, frame.width() * 10); // reference device in micrometres
    appendI32(bytes_, frame.height() * 10);
    bytes_.append(text);
    ++recordCount_;
}

void EmfWriter::writeRecord(quint32 type, const QByteArray& parameters) {
    appendU32(bytes_, type);
    appendU32(bytes_, quint32(8 + parameters.size()));
    bytes_.append(parameters);
    ++recordCount_;
}

void EmfWriter::writeValues(quint32 type, std::initializer_list<quint32> values) {
    QByteArray parameters;
    for (const quint32 value : values)
        appendU32(parameters, value);
    writeRecord(type, parameters);
}

quint32 EmfWriter::nextHandle() {
    return handleCount_++;
}

quint32 EmfWriter::createFont(const EmfFont& font) {
    const quint32 handle = nextHandle();
    QByteArray parameters;
    appendU32(parameters, handle);
    parameters.append(logFont(font));
    writeRecord(Emf::kExtCreateFontIndirectW, parameters);
    return handle;
}

quint32 EmfWriter::createPen(quint32 style, qint32 width, quint32 color) {
    const quint32 handle = nextHandle();
    // The width is a point whose y is unused.
    writeValues(Emf::kCreatePen, {handle, style, quint32(width), 0, color});
    return handle;
}

quint32 EmfWriter::createBrush(quint32 style, quint32 color) {
    const quint32 handle = nextHandle();
    writeValues(Emf::kCreateBrushIndirect, {handle, style, color, 0 /* hatch */});
    return handle;
}

void EmfWriter::selectObject(quint32 handle) {
    writeValues(Emf::kSelectObject, {handle});
}

void EmfWriter::deleteObject(quint32 handle) {
    writeValues(Emf::kDeleteObject, {handle});
}

void EmfWriter::setTextColor(quint32 color) {
    writeValues(Emf::kSetTextColor, {color});
}

void EmfWriter::moveTo(QPoint point) {
    writeValues(Emf::kMoveToEx, {quint32(point.x()), quint32(point.y())});
}

void EmfWriter::lineTo(QPoint point) {
    writeValues(Emf::kLineTo, {quint32(point.x()), quint32(point.y())});
}

void EmfWriter::rectangle(const QRect& box) {
    writeValues(Emf::kRectangle,
                {quint32(box.left()), quint32(box.top()), quint32(box.left() + box.width()),
                 quint32(box.top() + box.height())});
}

void EmfWriter::writePoints16(quint32 type, const QList<QPoint>& points) {
    QByteArray parameters;
    appendRect(parameters, boundsOf(points));
    appendU32(parameters, quint32(points.size()));
    for (const QPoint point : points) {
        appendI16(parameters, qint16(point.x()));
        appendI16(parameters, qint16(point.y()));
    }
    while (parameters.size() % 4 != 0)
        parameters.append('\0');
    writeRecord(type, parameters);
}

void EmfWriter::polyline(const QList<QPoint>& points) {
    writePoints16(Emf::kPolyline16, points);
}

void EmfWriter::polygon(const QList<QPoint>& points) {
    writePoints16(Emf::kPolygon16, points);
}

qsizetype EmfWriter::textOut(QPoint reference, const QString& text, const QList<qint32>& advances,
                             qint32 ascent, qint32 descent) {
    Q_ASSERT(advances.size() == text.size());
    qint32 width = 0;
    for (const qint32 advance : advances)
        width += advance;
    const QRect bounds(QPoint(reference.x(), reference.y() - ascent),
                       QPoint(reference.x() + width, reference.y() + descent));
    QByteArray string;
    appendUtf16(string, text);
    const auto stringOffset = quint32(Emf::kExtTextOutFixedSize);

    QByteArray parameters;
    appendRect(parameters, bounds);
    appendU32(parameters, 1); // GM_COMPATIBLE
    // Scale from logical units to 0.01 mm, used only by GM_COMPATIBLE players that need it.
    const float scale = float(kHundredthsOfMillimetrePerInch) / float(unitsPerInch_);
    appendFloat(parameters, scale);
    appendFloat(parameters, scale);
    appendPoint(parameters, reference);
    appendU32(parameters, quint32(text.size()));
    appendU32(parameters, stringOffset);
    appendU32(parameters, 0); // no clipping, no opaque box
    for (int side = 0; side < 4; ++side)
        appendI32(parameters, 0); // the rectangle those options would use
    appendU32(parameters, stringOffset + quint32(string.size()));
    parameters.append(string);
    for (const qint32 advance : advances)
        appendI32(parameters, advance);
    const qsizetype recordStart = bytes_.size();
    writeRecord(Emf::kExtTextOutW, parameters);
    return recordStart + stringOffset;
}

QByteArray EmfWriter::finish() {
    // No palette entries, their offset just after these fields, and the record's size.
    writeValues(Emf::kEof, {0, 16, 20});
    putU32(bytes_, 48, quint32(bytes_.size()));
    putU32(bytes_, 52, recordCount_);
    putU32(bytes_, 56, handleCount_);
    return bytes_;
}
