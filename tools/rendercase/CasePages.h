#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The filled pages of one full-return case, written into a folder: for every page that was
// filled, "<page>.emf" and "<page>.png" at 200 dpi, and on request "return.pdf" of the pages
// the preview shows.
namespace CasePages {
struct Outcome {
    QStringList pages;    // the pages written, by name
    QStringList failures; // one line per fill that failed or file that could not be written
};

Outcome write(const QJsonObject& testCase, const QString& folder, bool withPdf = false);
} // namespace CasePages
