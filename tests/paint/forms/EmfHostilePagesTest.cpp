// Pages written to hurt the player: each is either drawn within bounded work or refused as
// damaged with the message the caller shows, never a crash, undefined behaviour or minutes of
// drawing.

#include "ForeignPages.h"
#include "forms/EmfPlayer.h"

#include <QImage>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <limits>

namespace {
using ForeignPages::foreignPage;
using ForeignPages::record;

constexpr qint32 kIntMin = std::numeric_limits<qint32>::min();
const QByteArray kBlackBrush =
    record(Emf::kSelectObject, {qint32(Emf::kStockObjectFlag | Emf::kBlackBrush)});

// Selects an Arial font of that height and escapement and writes "AB" at (200, 200).
QByteArray textInFont(qint32 height, qint32 escapement) {
    const qint32 arial[] = {'A' | ('r' << 16), 'i' | ('a' << 16), 'l'};
    QList<qint32> font = {1, height, 0, escapement, 0, 400, 0, 0};
    font.append(QList<qint32>(std::begin(arial), std::end(arial)));
    font.resize(8 + 16);
    const qint32 ab = 'A' | ('B' << 16);
    return record(Emf::kExtCreateFontIndirectW, font) + record(Emf::kSelectObject, {1}) +
           record(Emf::kExtTextOutW,
                  {0, 0, 100, 100, 1, 0, 0, 200, 200, 2, 76, 0, 0, 0, 0, 0, 80, ab, 20, 20});
}

QByteArray repeated(const QByteArray& records, int times) {
    QByteArray all;
    for (int i = 0; i < times; ++i)
        all += records;
    return all;
}

const QByteArray kPageEllipse = record(Emf::kEllipse, {0, 0, 2448, 3168});

// A polygon of random points over the whole page.
QByteArray randomPolygon(int points) {
    QRandomGenerator random(17);
    QList<qint32> values = {0, 0, 2448, 3168, points};
    for (int i = 0; i < points; ++i)
        values.append(qint32(random.bounded(2448)) | qint32(random.bounded(3168)) << 16);
    return record(Emf::kPolygon16, values);
}

QByteArray withFrameInches(double inches) {
    QByteArray image = foreignPage({});
    const auto hundredthsOfMillimetre = qint32(inches * 2540);
    qToLittleEndian(hundredthsOfMillimetre, image.data() + 32);
    qToLittleEndian(hundredthsOfMillimetre, image.data() + 36);
    return image;
}

enum class Verdict { Drawn, RefusedAsDamaged, TooLargeToRaster };

struct HostilePage {
    const char* name;
    QByteArray image;
    Verdict verdict;
};

class HostilePages : public ::testing::TestWithParam<HostilePage> {};

std::string caseName(const ::testing::TestParamInfo<HostilePage>& info) {
    return info.param.name;
}
} // namespace

TEST_P(HostilePages, AreDrawnWithinBoundsOrRefused) {
    const HostilePage& page = GetParam();
    const EmfPlayer player(page.image);
    QString error;
    const QImage drawn = renderPage(page.image, 200, &error);
    switch (page.verdict) {
    case Verdict::Drawn:
        EXPECT_TRUE(player.isValid()) << player.error().toStdString();
        EXPECT_FALSE(drawn.isNull()) << error.toStdString();
        break;
    case Verdict::RefusedAsDamaged:
        EXPECT_FALSE(player.isValid());
        EXPECT_TRUE(player.error().contains("damaged record")) << player.error().toStdString();
        EXPECT_TRUE(drawn.isNull());
        EXPECT_EQ(error, player.error());
        break;
    case Verdict::TooLargeToRaster:
        EXPECT_TRUE(player.isValid()) << player.error().toStdString();
        EXPECT_TRUE(drawn.isNull());
        EXPECT_EQ(error, "The page is too large to draw at this resolution.");
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EmfPlayer, HostilePages,
    ::testing::Values(
        HostilePage{"FontHeightIntMin", foreignPage(textInFont(kIntMin, 0)), Verdict::Drawn},
        HostilePage{"FontEscapementIntMin", foreignPage(textInFont(-40, kIntMin)), Verdict::Drawn},
        HostilePage{"LetterPageFrame", withFrameInches(11), Verdict::Drawn},
        HostilePage{"FrameOf80Inches", withFrameInches(80), Verdict::TooLargeToRaster},
        HostilePage{"HundredPageSizedEllipses",
                    foreignPage(kBlackBrush + repeated(kPageEllipse, 100)), Verdict::Drawn},
        HostilePage{"ThousandPageSizedEllipses",
                    foreignPage(kBlackBrush + repeated(kPageEllipse, 1000)),
                    Verdict::RefusedAsDamaged},
        HostilePage{"ThousandEllipsesInOnePath",
                    foreignPage(kBlackBrush + record(Emf::kBeginPath, {}) +
                                repeated(kPageEllipse, 3000) +
                                record(Emf::kFillPath, {0, 0, 0, 0})),
                    Verdict::RefusedAsDamaged},
        HostilePage{"PolygonOf5000Points", foreignPage(kBlackBrush + randomPolygon(5000)),
                    Verdict::Drawn},
        HostilePage{"PolygonOf60000Points", foreignPage(kBlackBrush + randomPolygon(60000)),
                    Verdict::RefusedAsDamaged},
        HostilePage{
            "EllipsesFarOffThePage",
            foreignPage(kBlackBrush +
                        repeated(record(Emf::kEllipse, {1 << 28, 0, 1 << 29, 1 << 29}), 5000)),
            Verdict::Drawn},
        HostilePage{"HundredThousandRecords",
                    foreignPage(repeated(record(Emf::kSetBkMode, {1}), 100'000)),
                    Verdict::RefusedAsDamaged}),
    caseName);
