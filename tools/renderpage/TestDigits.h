#pragma once

#include <QByteArray>

// Fills every placeholder of a page image with test characters of the same length, so a
// rendered page shows where each figure of a filled form stands: amount-shaped placeholders
// get digits followed by " 00 ", rate placeholders ".0625", letter placeholders a run of
// letters and digits. Labels are left as they are.
QByteArray fillWithTestDigits(const QByteArray& image);
