#pragma once

class QAbstractItemView;

// Keeps the selected rows of a list drawn in the active colours when the list loses the focus,
// so the selection stays plainly visible.
void keepSelectionVisible(QAbstractItemView* view);
