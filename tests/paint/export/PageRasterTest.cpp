#include "forms/export/PageRaster.h"

#include "forms/EmfFormat.h"
#include "forms/EmfPlayer.h"
#include "forms/EmfWriter.h"
#include "forms/FormImages.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QtConcurrent/QtConcurrentRun>
#include <gtest/gtest.h>

namespace {

// The raster of a page the plain way: the page drawn on a fresh white image at 200 dpi, and
// every pixel whose grey level is below 128 black.
MonoRaster referenceRaster(const QByteArray& image) {
    const QImage page = renderPage(image, 200);
    MonoRaster raster{page.width(), page.height(), {}};
    raster.bits = QByteArray(qsizetype(raster.bytesPerRow()) * raster.height, '\0');
    for (int y = 0; y < page.height(); ++y) {
        auto* row = reinterpret_cast<uchar*>(raster.bits.data()) + y * raster.bytesPerRow();
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128)
                row[x / 8] |= uchar(0x80 >> (x % 8));
        }
    }
    return raster;
}

// A page of coloured boxes whose grey levels lie on both sides of the middle, with grey,
// black and white among them and colours with two of their three parts alike, some reaching the
// right edge (the last four pixels of a row are packed on their own).
QByteArray colouredBoxes() {
    EmfWriter page(QSize(850, 1100), 100, QStringLiteral("coloured boxes"));
    const quint32 colours[] = {
        0x0000FF, // red, grey level 87: black
        0x0078FF, // orange, 147: white
        0xFF8C00, // sky blue, 109: black
        0x7F7F7F, // grey 127: black
        0x808080, // grey 128: white
        0x909000, // teal, blue and green alike, 94: black
        0x00A0A0, // olive, red and green alike, 135: white
        0x000000, 0xFFFFFF,
    };
    int top = 40;
    for (const quint32 colour : colours) {
        page.selectObject(page.createBrush(Emf::kBrushSolid, colour));
        page.selectObject(page.createPen(Emf::kPenNull, 0, 0));
        page.rectangle(QRect(QPoint(30 + top / 4, top), QPoint(851, top + 90)));
        top += 115;
    }
    return page.finish();
}

void expectSameRaster(const MonoRaster& ours, const MonoRaster& reference, const char* page) {
    ASSERT_FALSE(ours.isNull()) << page;
    EXPECT_EQ(ours.width, PageRaster::kWidth) << page;
    EXPECT_EQ(ours.height, PageRaster::kHeight) << page;
    EXPECT_TRUE(ours.bits == reference.bits) << page << ": the packed raster differs";
}

// Pages rasterised one after another on the same thread give exactly the plain raster of each:
// nothing of a page stays behind for the next, and white is packed as quickly as ink but no
// differently. A raster the caller still holds is not touched by the pages made after it.
TEST(PageRaster, PagesInARowGiveExactlyThePlainRasterOfEach) {
    const QByteArray held = TestFiles::readAll(FormImages::path(FormImages::kSt4));
    const MonoRaster heldRaster = PageRaster::fromImage(held);
    const struct {
        const char* name;
        QByteArray image;
    } pages[] = {
        {"ST-1", TestFiles::readAll(FormImages::path(FormImages::kSt1Page1))},
        {"coloured boxes", colouredBoxes()},
        {"ST-8", TestFiles::readAll(FormImages::path(FormImages::kSt8))},
        {"ST-1 again", TestFiles::readAll(FormImages::path(FormImages::kSt1Page1))},
        {"ST-14", TestFiles::readAll(FormImages::path(FormImages::kSt14))},
    };
    for (const auto& [name, image] : pages)
        expectSameRaster(PageRaster::fromImage(image), referenceRaster(image), name);
    expectSameRaster(heldRaster, referenceRaster(held), "ST-4, held while the others were made");
}

// The export rasterises on worker threads, each with its own page: a page made on a worker
// equals the one made on this thread.
TEST(PageRaster, AWorkerThreadGivesTheSameRaster) {
    const QByteArray image = TestFiles::readAll(FormImages::path(FormImages::kSt1Page2));
    const MonoRaster onWorker =
        QtConcurrent::run([&image] { return PageRaster::fromImage(image); }).result();
    expectSameRaster(onWorker, referenceRaster(image), "ST-1 page 2 on a worker");
}

TEST(PageRaster, NoPageImageGivesANullRasterWithTheReason) {
    QString error;
    EXPECT_TRUE(PageRaster::fromImage(QByteArray(200, 'x'), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    // The page after a refused one is drawn on a clean page.
    const QByteArray image = TestFiles::readAll(FormImages::path(FormImages::kSt4));
    expectSameRaster(PageRaster::fromImage(image), referenceRaster(image), "ST-4");
}

} // namespace
