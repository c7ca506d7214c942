#pragma once

#include "forms/export/MonoRaster.h"

#include <QByteArray>
#include <QString>

// The raster of an exported page: the whole page image played into 1700 x 2200 pixels
// (a letter page at 200 dots per inch), black on white.
namespace PageRaster {
constexpr int kWidth = 1700;
constexpr int kHeight = 2200;

// A null raster, with the reason in `error`, when the bytes are not a valid page image.
MonoRaster fromImage(const QByteArray& image, QString* error = nullptr);
} // namespace PageRaster
