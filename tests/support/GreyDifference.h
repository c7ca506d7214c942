#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>

// The largest difference in grey level between two images of one size: 0 for the same picture,
// 1 where the smoothing of an edge rounded a level the other way, far more where anything moved.
inline int largestGreyDifference(const QImage& one, const QImage& other) {
    int largest = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x)
            largest =
                std::max(largest, std::abs(qGray(one.pixel(x, y)) - qGray(other.pixel(x, y))));
    }
    return largest;
}
