#pragma once

#include <QtGlobal>

// Letter documents are laid out at 96 dots per inch whatever the screen, so one layout pixel
// is exactly 15 twips and RTF lengths survive a round trip through a document.
namespace RtfUnits {
inline constexpr double kLayoutDotsPerInch = 96.0;
inline constexpr double kTwipsPerPixel = 1440.0 / kLayoutDotsPerInch;
inline double pixelsFromTwips(int twips) {
    return twips / kTwipsPerPixel;
}
inline int twipsFromPixels(double pixels) {
    return qRound(pixels * kTwipsPerPixel);
}
} // namespace RtfUnits
