#pragma once

#include <QString>

// The private folder of this run for the update's temporary files (the unpacked archive and
// the updater's copy): made on first use in the temporary folder with a new unique name,
// readable only by this user (0700), and removed when the program ends.
namespace UpdateWorkFolder {
// Its path, or an empty text when it could not be made.
QString path();
} // namespace UpdateWorkFolder
