#include "forms/EmfPlayer.h"

#include "ForeignPages.h"
#include "forms/EmfFormat.h"
#include "forms/FormImages.h"
#include "forms/FormPage.h"
#include "support/TestFiles.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using ForeignPages::appendU32;
using ForeignPages::foreignPage;
using ForeignPages::pageImage;
using ForeignPages::record;

bool isInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

// Whether any pixel of the rectangle, given in points from the page's top-left corner, is ink.
bool hasInk(const QImage& page, const QRectF& points) {
    const qreal scale = page.width() / 612.0;
    const QRect pixels = QRectF(points.topLeft() * scale, points.size() * scale).toAlignedRect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (isInk(page.pixel(x, y)))
                return true;
        }
    }
    return false;
}

// The inside of one character cell of a field whose baseline starts at (x, y): the cell's
// middle two thirds, from the height of a capital letter down to the baseline.
QRectF cellInside(double x, double y, double cellWidth, int cell) {
    return QRectF(x + cell * cellWidth + cellWidth / 6, y - 6, cellWidth * 2 / 3, 5.5);
}

FormField st1Fields[] = {
    {42, "111111111111137", -1},
    {57, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", -1},
    {62, "111111111111157", -1},
};

class EveryPage : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(EveryPage, RendersAsALetterPageWithItsArtwork) {
    const QByteArray image = pageImage(GetParam());
    const EmfPlayer player(image);
    ASSERT_TRUE(player.isValid()) << player.error().toStdString();
    EXPECT_EQ(player.pageSizeInches(), QSizeF(8.5, 11));
    QString error;
    const QImage page = renderPage(image, 100, &error);
    ASSERT_FALSE(page.isNull()) << error.toStdString();
    EXPECT_EQ(page.size(), QSize(850, 1100));
    EXPECT_TRUE(hasInk(page, QRectF(0, 0, 612, 100))); // the title block
}

INSTANTIATE_TEST_SUITE_P(AllPages, EveryPage, ::testing::ValuesIn(FormImages::ids()));

TEST(EmfPlayer, RendersTheExportRasterSize) {
    EXPECT_EQ(renderPage(pageImage(FormImages::kSt1Page1), 200).size(), QSize(1700, 2200));
}

TEST(EmfPlayer, EachCharacterOfAFieldLandsInItsCell) {
    FormPage form(st1Fields);
    ASSERT_EQ(form.loadImage(FormImages::path(FormImages::kSt1Page1)), kFormPageOk);
    QString pattern;
    for (int cell = 0; cell < 41; ++cell)
        pattern += cell % 2 == 0 ? QLatin1Char('X') : QLatin1Char(' ');
    ASSERT_EQ(form.setField(57, pattern), kFormPageOk);
    const QImage page = renderPage(form.workingImage(), 200);
    ASSERT_FALSE(page.isNull());
    for (int cell = 0; cell < 41; ++cell)
        EXPECT_EQ(hasInk(page, cellInside(70.75, 682.5, 6, cell)), cell % 2 == 0) << cell;
}

TEST(EmfPlayer, AmountDigitsStandLeftOfTheCentsDividerAndZerosRightOfIt) {
    FormPage form(st1Fields);
    ASSERT_EQ(form.loadImage(FormImages::path(FormImages::kSt1Page1)), kFormPageOk);
    ASSERT_EQ(form.setField(42, QStringLiteral("       1234 00 ")), kFormPageOk);
    const QImage page = renderPage(form.workingImage(), 200);
    const double x = 494.5;
    const double y = 504.5;
    for (int cell = 0; cell < 7; ++cell)
        EXPECT_FALSE(hasInk(page, cellInside(x, y, 6, cell))) << cell;
    for (const int cell : {7, 8, 9, 10, 12, 13})
        EXPECT_TRUE(hasInk(page, cellInside(x, y, 6, cell))) << cell;
    EXPECT_FALSE(hasInk(page, cellInside(x, y, 6, 14)));
    // The divider line runs through the middle of the blank cell before "00".
    EXPECT_TRUE(hasInk(page, QRectF(x + 11 * 6 + 2.5, y - 6, 1, 5)));
}

TEST(EmfPlayer, OcrCharactersLandInTheirWiderCells) {
    FormPage form(st1Fields);
    ASSERT_EQ(form.loadImage(FormImages::path(FormImages::kSt1Page1)), kFormPageOk);
    ASSERT_EQ(form.setField(62, QStringLiteral("1 3 5 7 9 1 3 5")), kFormPageOk);
    const QImage page = renderPage(form.workingImage(), 200);
    for (int cell = 0; cell < 15; ++cell)
        EXPECT_EQ(hasInk(page, cellInside(443.5, 770.0, 7.5, cell)), cell % 2 == 0) << cell;
}

TEST(EmfPlayer, PlaysIntoAnyRectangleOfAPainter) {
    const EmfPlayer player(pageImage(FormImages::kSt1Page1));
    QImage canvas(400, 400, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    ASSERT_TRUE(player.play(painter, QRectF(100, 100, 170, 220)));
    painter.end();
    bool inkOutside = false;
    bool inkInside = false;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            const bool inside = x >= 100 && x < 270 && y >= 100 && y < 320;
            (inside ? inkInside : inkOutside) |= isInk(canvas.pixel(x, y));
        }
    }
    EXPECT_TRUE(inkInside);
    EXPECT_FALSE(inkOutside);
}

TEST(EmfPlayer, SkipsRecordsItDoesNotKnow) {
    const QByteArray original = pageImage(FormImages::kSt2Page);
    QByteArray extended = original;
    const qsizetype eofAt = original.size() - 20;
    extended.insert(eofAt, record(0x7777, {1, 2, 3}));
    extended.insert(eofAt, record(Emf::kGdiComment, {4, 0x12345678}));
    qToLittleEndian(quint32(extended.size()), extended.data() + 48);
    const EmfPlayer player(extended);
    ASSERT_TRUE(player.isValid()) << player.error().toStdString();
    EXPECT_EQ(renderPage(extended, 50), renderPage(original, 50));
}

TEST(EmfPlayer, PlaysMetricMappingAndStockObjectsOfOtherWriters) {
    // 0.01 inch units with the y axis pointing up; a black square from 1 to 2 inches.
    QByteArray records = record(Emf::kSetMapMode, {Emf::kMapLoEnglish});
    records += record(Emf::kSelectObject, {qint32(Emf::kStockObjectFlag | Emf::kBlackBrush)});
    records += record(Emf::kRectangle, {100, -100, 200, -200});
    records += record(Emf::kSelectObject, {qint32(Emf::kStockObjectFlag | Emf::kNullBrush)});
    records += record(Emf::kEllipse, {300, -300, 400, -400});
    const QImage page = renderPage(foreignPage(records), 100);
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(isInk(page.pixel(150, 150)));
    EXPECT_FALSE(isInk(page.pixel(250, 150)));
    EXPECT_FALSE(isInk(page.pixel(350, 350))); // the ellipse is not filled
}

TEST(EmfPlayer, PlaysBitmapsAndBlockFillsOfOtherWriters) {
    // The reference device of our header has 288 pixels per inch; MM_TEXT draws in them.
    const QList<qint32> bitmapHeader = {40, 2, 1, 1 | (24 << 16), 0, 8, 0, 0, 0, 0};
    QByteArray bitmap = record(Emf::kStretchDiBits, {0, 0, 0, 0, 288, 288, 0, 0, 2, 1, 80, 40, 120,
                                                     8, 0, 0x00CC0020, 576, 288});
    for (const qint32 value : bitmapHeader)
        appendU32(bitmap, quint32(value));
    bitmap.append(QByteArray("\x00\x00\x00\xff\xff\xff\x00\x00", 8)); // black, white
    qToLittleEndian(quint32(bitmap.size()), bitmap.data() + 4);
    QByteArray records = bitmap;
    records += record(Emf::kSelectObject, {qint32(Emf::kStockObjectFlag | Emf::kBlackBrush)});
    records += record(Emf::kBitBlt, {0, 0, 0, 0, 288, 720, 288, 144, 0x00F00021, 0, 0, 1,
                                     0, 0, 1, 0, 0,   0,   0,   0,   0,          0, 0});
    const QImage page = renderPage(foreignPage(records), 100);
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(isInk(page.pixel(150, 150)));
    EXPECT_FALSE(isInk(page.pixel(250, 150)));
    EXPECT_TRUE(isInk(page.pixel(150, 275)));
    EXPECT_FALSE(isInk(page.pixel(150, 320)));
}

TEST(EmfPlayer, RefusesEveryTruncatedPage) {
    const QByteArray image = pageImage(FormImages::kSt14);
    for (qsizetype length = 0; length < image.size(); length += 97) {
        const EmfPlayer player(image.left(length));
        EXPECT_FALSE(player.isValid()) << length;
        EXPECT_TRUE(renderPage(image.left(length), 20).isNull()) << length;
    }
}

TEST(EmfPlayer, SurvivesDamagedBytes) {
    const QByteArray image = pageImage(FormImages::kSt1Page1);
    QRandomGenerator random(20040701);
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = image;
        const int flips = 1 + int(random.bounded(8));
        for (int flip = 0; flip < flips; ++flip)
            damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        // A damaged frame may change the page's size; a refused page says why.
        QString error;
        const QImage page = renderPage(damaged, 10, &error);
        EXPECT_EQ(page.isNull(), !error.isEmpty()) << round;
    }
    QByteArray garbage(4096, '\0');
    for (char& byte : garbage)
        byte = char(random.bounded(256));
    EXPECT_FALSE(EmfPlayer(garbage).isValid());
}

TEST(EmfPlayer, RefusesToRasteriseAGiantPage) {
    QByteArray image = pageImage(FormImages::kSt8);
    qToLittleEndian<qint32>(0x7FFFFFFF, image.data() + 32); // frame right edge
    QString error;
    EXPECT_TRUE(renderPage(image, 200, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}
