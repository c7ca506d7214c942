#pragma once

#include "forms/PageEntry.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The zip archive a history entry keeps its pages in: one deflated entry per page file, in
// page-list order, named by the file's path below the program's private temporary folder
// (where the page files are made), with the file's time and attributes. The archive is built
// in memory. Nothing when a page file lies outside that folder or cannot be read.
std::optional<QByteArray> pageArchiveBytes(const PageList& pages);
