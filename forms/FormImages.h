#pragma once

#include <QList>
#include <QString>

// The seven page images carried inside the program (ST-1 pages 1 and 2, ST-14, ST-4, ST-8, an
// ST-2 page and the gasohol worksheet), by their image id.
namespace FormImages {
enum Id : int {
    kSt1Page1 = 188,
    kSt1Page2 = 190,
    kSt14 = 500,
    kSt4 = 501,
    kSt8 = 502,
    kSt2Page = 503,
    kGasoholWorksheet = 504,
};
QList<int> ids();
// The resource path of an image (":/forms/<id>.emf"), for FormPage::loadImage, or the file
// "<folder>/<id>.emf" while a folder is set with useFolder().
QString path(int id);
// Takes the images from the files of a folder instead of those inside the program, to try
// new artwork without a rebuild; an empty text goes back to the built-in images.
void useFolder(const QString& folder);
} // namespace FormImages
