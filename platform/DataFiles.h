#pragma once

#include <QString>

// Finds a read-only data file shipped with the program (Data.tbl, OCRA____.TTF): first in the
// working directory, then beside the executable, then in the install's data folder. Returns
// the path of the first that exists, or the bare name (relative to the working directory)
// when none does, so that opening it fails the way a missing file should.
namespace DataFiles {
QString locate(const QString& fileName);
} // namespace DataFiles
