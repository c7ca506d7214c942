#pragma once

#include <QIcon>

// The program's icons, drawn with QPainter on a 32 x 32 grid so they stay sharp at every size
// and need no image files.
namespace Icons {
QIcon program();
QIcon newClient();
QIcon modifyClient();
QIcon deleteClient();
QIcon newReturn();
QIcon returnHistory();
QIcon backup();
QIcon restore();
QIcon calendar();
QIcon calculator();
QIcon about();
} // namespace Icons
