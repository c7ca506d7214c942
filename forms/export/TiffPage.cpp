#include "forms/export/TiffPage.h"

#include <tiffio.h>

namespace {

QByteArray readPalette(TIFF* tiff, uint16_t bitsPerSample) {
    uint16_t* red = nullptr;
    uint16_t* green = nullptr;
    uint16_t* blue = nullptr;
    if (bitsPerSample > 8 || !TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue))
        return {};
    const int entries = 1 << bitsPerSample;
    QByteArray rgb;
    rgb.reserve(entries * 3);
    for (int i = 0; i < entries; ++i) {
        rgb += char(red[i] >> 8);
        rgb += char(green[i] >> 8);
        rgb += char(blue[i] >> 8);
    }
    return rgb;
}

} // namespace

bool TiffPage::isCmyk() const {
    return photometric == PHOTOMETRIC_SEPARATED;
}

bool TiffPage::isColour() const {
    return isPalette() || samplesPerPixel >= 3;
}

TiffPage TiffPage::read(TIFF* tiff) {
    TiffPage page;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &page.width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &page.height);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &page.bitsPerSample);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &page.samplesPerPixel);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &page.compression);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_FILLORDER, &page.fillOrder);
    if (!TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &page.photometric))
        page.photometric = PHOTOMETRIC_MINISWHITE;
    if (page.photometric == PHOTOMETRIC_PALETTE)
        page.paletteRgb = readPalette(tiff, page.bitsPerSample);
    return page;
}

bool readRawStrips(TIFF* tiff, const TiffPage& page, QByteArray& data) {
    data.clear();
    const uint32_t strips = TIFFNumberOfStrips(tiff);
    const uint64_t* sizes = nullptr;
    if (!TIFFGetField(tiff, TIFFTAG_STRIPBYTECOUNTS, &sizes) || !sizes)
        return false;
    for (uint32_t strip = 0; strip < strips; ++strip) {
        const qsizetype start = data.size();
        data.resize(start + qsizetype(sizes[strip]));
        const tmsize_t read =
            TIFFReadRawStrip(tiff, strip, data.data() + start, tmsize_t(sizes[strip]));
        if (read < 0)
            return false;
        data.resize(start + read);
    }
    if (page.fillOrder == FILLORDER_LSB2MSB)
        TIFFReverseBits(reinterpret_cast<uint8_t*>(data.data()), tmsize_t(data.size()));
    return true;
}
