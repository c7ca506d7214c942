#include "forms/EmfFonts.h"

#include <gtest/gtest.h>

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
