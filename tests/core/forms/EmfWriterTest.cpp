#include "forms/EmfWriter.h"

#include "forms/EmfFormat.h"
#include "forms/EmfRecordReader.h"
#include "forms/EmfTextItems.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

quint32 u32At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QByteArray samplePage() {
    EmfWriter writer(QSize(2448, 3168), 288, QStringLiteral("sample"));
    const quint32 font = writer.createFont(EmfFont{QStringLiteral("Courier New"), -40});
    const quint32 pen = writer.createPen(Emf::kPenSolid, 2, 0);
    writer.selectObject(pen);
    writer.rectangle(QRect(10, 10, 100, 50));
    writer.polyline({QPoint(0, 0), QPoint(20, 30), QPoint(40, 0)});
    writer.selectObject(font);
    writer.textOut(QPoint(484, 574), QStringLiteral("21111111111101"), QList<qint32>(14, 24), 40,
                   10);
    writer.textOut(QPoint(100, 200), QStringLiteral("odd"), {10, 11, 12}, 40, 10);
    return writer.finish();
}

} // namespace

TEST(EmfWriter, HeaderDescribesALetterPageAndTheWholeFile) {
    const QByteArray page = samplePage();
    const EmfRecordReader reader(page);
    ASSERT_TRUE(reader.isValid()) << reader.error().toStdString();
    EXPECT_EQ(u32At(page, 40), Emf::kSignature);
    EXPECT_EQ(u32At(page, 48), quint32(page.size()));
    EXPECT_EQ(u32At(page, 52), quint32(reader.records().size()));
    EXPECT_EQ(qFromLittleEndian<quint16>(page.constData() + 56), 3); // slot 0, font, pen
    EXPECT_EQ(reader.header().frame, QRect(QPoint(0, 0), QPoint(21590, 27940)));
    EXPECT_EQ(reader.header().devicePixels, QSize(2448, 3168));
    EXPECT_EQ(reader.header().deviceMicrometres, QSize(215900, 279400));
    EXPECT_EQ(reader.records().last().type(), Emf::kEof);
    for (const EmfRecord& record : reader.records())
        EXPECT_EQ(record.size() % 4, 0) << record.type();
}

TEST(EmfWriter, TheMappingIsAnisotropicInLogicalUnitsOf288PerInch) {
    const QByteArray page = samplePage(); // the records refer to these bytes
    const EmfRecordReader reader(page);
    const QList<EmfRecord>& records = reader.records();
    ASSERT_GE(records.size(), 4);
    EXPECT_EQ(records[1].type(), Emf::kSetMapMode);
    EXPECT_EQ(records[1].u32(8), Emf::kMapAnisotropic);
    EXPECT_EQ(records[2].type(), Emf::kSetWindowExtEx);
    EXPECT_EQ(records[2].point(8), QPoint(2448, 3168));
    EXPECT_EQ(records[3].type(), Emf::kSetViewportExtEx);
    EXPECT_EQ(records[3].point(8), QPoint(2448, 3168));
}

TEST(EmfWriter, TextItemsCarryTheirReferencePointAdvancesAndFont) {
    const QList<EmfTextItem> items = emfTextItems(samplePage());
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].text.text, QStringLiteral("21111111111101"));
    EXPECT_EQ(items[0].text.reference, QPoint(484, 574));
    EXPECT_EQ(items[0].text.advances, QList<qint32>(14, 24));
    EXPECT_EQ(items[0].font.face, QStringLiteral("Courier New"));
    EXPECT_EQ(items[0].font.height, -40);
    // An odd character count is padded in the record; the advances still follow exactly.
    EXPECT_EQ(items[1].text.text, QStringLiteral("odd"));
    EXPECT_EQ(items[1].text.advances, QList<qint32>({10, 11, 12}));
}

TEST(EmfRecordReader, RefusesImagesThatAreNotWholeMetafiles) {
    const QByteArray page = samplePage();
    QByteArray wrongSignature = page;
    wrongSignature[40] = 'X';
    QByteArray badRecordSize = page;
    qToLittleEndian<quint32>(6, badRecordSize.data() + u32At(page, 4) + 4);
    QByteArray pastTheEnd = page;
    qToLittleEndian<quint32>(quint32(page.size()) + 4, pastTheEnd.data() + u32At(page, 4) + 4);
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray(100, '\0'),
        page.left(87),
        page.left(page.size() - 20), // no end-of-file record
        wrongSignature,
        badRecordSize,
        pastTheEnd,
    };
    for (const QByteArray& image : cases) {
        const EmfRecordReader reader(image);
        EXPECT_FALSE(reader.isValid()) << image.size();
        EXPECT_FALSE(reader.error().isEmpty());
        EXPECT_TRUE(reader.records().isEmpty());
    }
}

TEST(EmfRecord, ReadsOutsideTheRecordMarkItMalformed) {
    const QByteArray bytes("\x01\x00\x00\x00\x0c\x00\x00\x00\x07\x00\x00\x00", 12);
    const EmfRecord record(1, bytes, 0);
    EXPECT_EQ(record.u32(8), 7u);
    EXPECT_TRUE(record.ok());
    EXPECT_EQ(record.u32(10), 0u);
    EXPECT_FALSE(record.ok());
    const EmfRecord other(1, bytes, 0);
    EXPECT_FALSE(other.has(-1, 2));
    EXPECT_FALSE(other.has(4, std::numeric_limits<qsizetype>::max()));
}
