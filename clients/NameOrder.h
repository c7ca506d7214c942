#pragma once

#include <QString>

// The order of client names and client file names: alphabetical whatever the case, and, for
// names that differ only in case, by their exact characters, so that every order is complete
// and the same on every run.
bool sortsBefore(const QString& a, const QString& b);
