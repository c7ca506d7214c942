#pragma once

#include "forms/PageEntry.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The zip archive a history entry keeps its pages in: one deflated entry per page file, in
// page-list order, named by the file's path below the archive's folder (in practice its bare
// temporary name), with the file's time and attributes.

// Writes the archive to `archivePath`. Fails when a page file lies outside the archive's
// folder or cannot be read.
bool writePageArchive(const QString& archivePath, const PageList& pages);
// The archive's bytes, built in a new temporary file (prefix "ZIP") that is removed afterwards.
std::optional<QByteArray> pageArchiveBytes(const PageList& pages);
