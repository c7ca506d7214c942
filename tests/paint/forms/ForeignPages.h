#pragma once

#include "forms/EmfFormat.h"
#include "forms/FormImages.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

// Page images built in the tests: the program's own, and pages as other programs write them.
namespace ForeignPages {

inline QByteArray pageImage(int id) {
    return TestFiles::readAll(FormImages::path(id));
}

inline void appendU32(QByteArray& bytes, quint32 value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

// A record of the given type with 32-bit parameters.
inline QByteArray record(quint32 type, const QList<qint32>& values) {
    QByteArray bytes;
    appendU32(bytes, type);
    appendU32(bytes, quint32(8 + 4 * values.size()));
    for (const qint32 value : values)
        appendU32(bytes, quint32(value));
    return bytes;
}

// A page image made of the header of one of ours and the given records, as another program
// might write them. Its reference device has 288 pixels per inch, and without a mapping
// record the records draw in those pixels: the letter page is 2448 x 3168 of them.
inline QByteArray foreignPage(const QByteArray& records) {
    const QByteArray ours = pageImage(FormImages::kGasoholWorksheet);
    QByteArray image = ours.left(qFromLittleEndian<quint32>(ours.constData() + 4));
    image += records;
    image += record(Emf::kEof, {0, 16, 20});
    qToLittleEndian(quint32(image.size()), image.data() + 48);
    return image;
}

} // namespace ForeignPages
