#pragma once

#include "forms/PageEntry.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The zip archive a history entry keeps its pages in: one deflated entry per page, in page-list
// order. A page kept in memory is named by its place in the list (EMF001, EMF002, ...) with the
// time it is stored; a page file by its path below the program's private temporary folder, with
// the file's time and attributes. The archive is built in memory. Nothing when a page file lies
// outside that folder or cannot be read.
std::optional<QByteArray> pageArchiveBytes(const PageList& pages);
