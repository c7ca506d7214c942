#include "forms/EmfFonts.h"

#include <QThread>
#include <gtest/gtest.h>
#include <memory>

TEST(EmfFonts, TheFacesOfThePageImagesMapOntoMetricCompatibleFaces) {
    const struct {
        const char* face;
        const char* family;
    } faces[] = {
        {"Courier New", "Liberation Mono"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"OCRA", "OCRA"},
    };
    EmfFonts fonts;
    for (const auto& [face, family] : faces) {
        const QRawFont raw = fonts.rawFont(EmfFont{QLatin1String(face), -40}, 40);
        ASSERT_TRUE(raw.isValid()) << face;
        EXPECT_EQ(raw.familyName(), QLatin1String(family)) << face;
        EXPECT_DOUBLE_EQ(raw.pixelSize(), 40);
    }
}

TEST(EmfFonts, CourierAdvancesAreSixTenthsOfTheEm) {
    EmfFonts fonts;
    const QRawFont raw = fonts.rawFont(EmfFont{QStringLiteral("Courier New"), -40}, 100);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(
        raw.glyphIndexesForString(QStringLiteral("1W.")), QRawFont::UseDesignMetrics);
    for (const QPointF advance : advances)
        EXPECT_NEAR(advance.x(), 60, 0.01);
}

// Fonts are kept per thread and per size: a size asked for after another is its own font, on
// every thread, and a thread that used fonts ends without taking the program down.
TEST(EmfFonts, EverySizeIsItsOwnFontOnEveryThread) {
    const auto sizesOnThisThread = [] {
        const EmfFont arial{QStringLiteral("Arial"), -40};
        QList<qreal> sizes;
        for (const qreal size : {40.0, 20.0, 40.0, 13.5})
            sizes << EmfFonts::rawFont(arial, size).pixelSize();
        return sizes;
    };
    const QList<qreal> expected{40.0, 20.0, 40.0, 13.5};
    EXPECT_EQ(sizesOnThisThread(), expected);
    QList<qreal> onWorker;
    std::unique_ptr<QThread> worker(QThread::create([&] { onWorker = sizesOnThisThread(); }));
    worker->start();
    ASSERT_TRUE(worker->wait(30000));
    EXPECT_EQ(onWorker, expected);
}
