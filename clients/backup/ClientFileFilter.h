#pragma once

#include <QString>

// The file choosers of backup and restore offer client files first.
namespace ClientFileFilter {
inline const QString kFilters = QStringLiteral("Vantrobe Files (*.kvr);;All Files (*)");
inline const QString kSuffix = QStringLiteral("kvr");
} // namespace ClientFileFilter
