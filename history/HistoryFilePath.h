#pragma once

#include <QString>

// The history file of a client: the client file's path with every ".kvr" in it (folder names
// included, case-sensitive) replaced by ".rhi".
QString historyFilePath(const QString& clientFilePath);
