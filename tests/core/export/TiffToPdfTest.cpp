#include "forms/export/TiffToPdf.h"

#include "forms/export/MultiPageTiffWriter.h"
#include "support/ExternalTool.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tiffio.h>
#include <vector>

namespace {

// How a test TIFF's pages are stored.
struct TiffLayout {
    uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    uint16_t samplesPerPixel = 1;
    uint16_t bitsPerSample = 1;
    uint16_t compression = COMPRESSION_CCITTFAX3;
    uint16_t fillOrder = FILLORDER_MSB2LSB;
    int pages = 1;
};

constexpr uint32_t kWidth = 64;
constexpr uint32_t kHeight = 16;

// Writes a TIFF of small pages with a diagonal pattern.
void writeTiff(const QString& path, const TiffLayout& layout) {
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "w");
    ASSERT_NE(tiff, nullptr);
    const tmsize_t rowBytes =
        (tmsize_t(kWidth) * layout.samplesPerPixel * layout.bitsPerSample + 7) / 8;
    std::vector<uint16_t> ramp(256);
    for (int i = 0; i < 256; ++i)
        ramp[size_t(i)] = uint16_t(i * 257);
    for (int page = 0; page < layout.pages; ++page) {
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, kWidth);
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, kHeight);
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, layout.bitsPerSample);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, layout.samplesPerPixel);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, layout.photometric);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, layout.compression);
        TIFFSetField(tiff, TIFFTAG_FILLORDER, layout.fillOrder);
        TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, kHeight);
        if (layout.photometric == PHOTOMETRIC_PALETTE)
            TIFFSetField(tiff, TIFFTAG_COLORMAP, ramp.data(), ramp.data(), ramp.data());
        std::vector<uint8_t> row(static_cast<size_t>(rowBytes));
        for (uint32_t y = 0; y < kHeight; ++y) {
            for (tmsize_t x = 0; x < rowBytes; ++x)
                row[size_t(x)] = uint8_t((x + y + page) % 3 == 0 ? 0xf0 : 0x00);
            ASSERT_GE(TIFFWriteScanline(tiff, row.data(), y, 0), 0);
        }
        TIFFWriteDirectory(tiff);
    }
    TIFFClose(tiff);
}

// The bytes of the first image stream.
QByteArray firstImageData(const QByteArray& pdf) {
    const qsizetype image = pdf.indexOf("/Subtype /Image");
    const qsizetype start = pdf.indexOf("stream\r\n", image) + 8;
    return pdf.mid(start, pdf.indexOf("\rendstream\r", start) - start);
}

class TiffToPdfTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }
    QByteArray convert(const TiffLayout& layout, const PdfDocumentInfo& info = fixedDate()) {
        writeTiff(path("in.tif"), layout);
        QString error;
        EXPECT_TRUE(convertTiffToPdf(path("in.tif"), path("out.pdf"), info, &error))
            << error.toStdString();
        return TestFiles::readAll(path("out.pdf"));
    }
    static PdfDocumentInfo fixedDate() {
        PdfDocumentInfo info;
        info.creationDate = QDate(2005, 3, 15);
        return info;
    }
    QTemporaryDir folder;
};

TEST_F(TiffToPdfTest, AMissingTiffIsRefusedWithItsText) {
    QString error;
    EXPECT_FALSE(convertTiffToPdf(path("missing.tif"), path("out.pdf"), {}, &error));
    EXPECT_EQ(error, QStringLiteral("Unable to open file."));
    EXPECT_FALSE(QFile::exists(path("out.pdf")));
}

TEST_F(TiffToPdfTest, ACmykTiffIsRefusedAndNoPdfIsCreated) {
    writeTiff(path("cmyk.tif"), {PHOTOMETRIC_SEPARATED, 4, 8, COMPRESSION_NONE});
    QString error;
    EXPECT_FALSE(convertTiffToPdf(path("cmyk.tif"), path("out.pdf"), {}, &error));
    EXPECT_EQ(error, QStringLiteral("CMYK File Format not accepted"));
    EXPECT_FALSE(QFile::exists(path("out.pdf")));
}

TEST_F(TiffToPdfTest, TheInformationObjectCarriesTheDateAndEscapedTexts) {
    PdfDocumentInfo info = fixedDate();
    info.title = QStringLiteral("Return (March) \\ 2005");
    const QByteArray pdf = convert({}, info);
    EXPECT_TRUE(pdf.startsWith("%PDF-1.2\r1 0 obj\r<<\r/Creator ()\r/CreationDate (Tuesday, March "
                               "15, 2005)\r/Author ()\r/Producer ()\r/Title (Return \\(March\\) "
                               "\\\\ 2005)\r/Subject ()\r/Keywords ()\r>>\rendobj\r"));
}

TEST_F(TiffToPdfTest, StripsStoredLowestBitFirstAreBitReversedIntoTheStream) {
    const QByteArray highFirst = firstImageData(convert({}));
    TiffLayout lowFirst;
    lowFirst.fillOrder = FILLORDER_LSB2MSB;
    EXPECT_EQ(firstImageData(convert(lowFirst)), highFirst);
    EXPECT_FALSE(highFirst.isEmpty());
}

struct BranchCase {
    const char* name;
    TiffLayout layout;
    const char* filter;
    const char* colourSpace;
    const char* procSet;
    const char* kids;
};

class TiffToPdfBranches : public TiffToPdfTest, public ::testing::WithParamInterface<BranchCase> {};

TEST_P(TiffToPdfBranches, EachKindOfPageGetsItsFilterColourSpaceAndObjects) {
    const BranchCase& branch = GetParam();
    const QByteArray pdf = convert(branch.layout);
    EXPECT_TRUE(pdf.contains(branch.filter)) << branch.filter;
    EXPECT_TRUE(pdf.contains(branch.colourSpace)) << branch.colourSpace;
    EXPECT_TRUE(pdf.contains(branch.procSet));
    EXPECT_TRUE(pdf.contains(branch.kids)) << branch.kids;
    const ExternalTool::Run check =
        ExternalTool::run(QStringLiteral("qpdf"), {"--check", path("out.pdf")});
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TiffToPdfBranches,
    ::testing::Values(
        BranchCase{"ccittGroup3",
                   {PHOTOMETRIC_MINISWHITE, 1, 1, COMPRESSION_CCITTFAX3, FILLORDER_MSB2LSB, 2},
                   "/Filter /CCITTFaxDecode\r/DecodeParms << /K 0 /Columns 64 /Rows 16 >>\r",
                   "10 0 obj\r/DeviceGray\rendobj\r",
                   "[ /PDF /ImageI ]",
                   "/Kids [5 0 R 11 0 R ]\r/Count 2\r"},
        BranchCase{"ccittGroup4",
                   {PHOTOMETRIC_MINISWHITE, 1, 1, COMPRESSION_CCITTFAX4, FILLORDER_MSB2LSB, 1},
                   "/DecodeParms << /K -1 /Columns 64 /Rows 16 >>\r",
                   "/DeviceGray\r",
                   "[ /PDF /ImageI ]",
                   "/Count 1\r"},
        BranchCase{"lzwRgb",
                   {PHOTOMETRIC_RGB, 3, 8, COMPRESSION_LZW, FILLORDER_MSB2LSB, 1},
                   "/Filter /LZWDecode\r",
                   "/DeviceRGB\r",
                   "[ /PDF /ImageC ]",
                   "/Count 1\r"},
        BranchCase{"packBitsPalette",
                   {PHOTOMETRIC_PALETTE, 1, 8, COMPRESSION_PACKBITS, FILLORDER_MSB2LSB, 2},
                   "/Filter /RunLengthDecode\r",
                   "10 0 obj\r[ /Indexed /DeviceRGB 255 11 0 R ]\r",
                   "[ /PDF /ImageC ]",
                   "/Kids [5 0 R 13 0 R ]\r/Count 2\r"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MultiPageTiffWriter, RefusesARasterShorterThanItsSizeAndAPageThatDidNotEncode) {
    const G3Page shortRaster = G3Page::encode(MonoRaster{16, 16, QByteArray(10, '\0')});
    EXPECT_TRUE(shortRaster.isNull());
    QTemporaryDir folder;
    MultiPageTiffWriter writer(folder.filePath(QStringLiteral("a.tif")), 1);
    ASSERT_TRUE(writer.isOpen());
    EXPECT_FALSE(writer.writePage(shortRaster));
    EXPECT_TRUE(writer.writePage(G3Page::encode(MonoRaster{16, 16, QByteArray(32, '\0')})));
}

} // namespace
