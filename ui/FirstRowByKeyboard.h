#pragma once

class QAbstractItemView;

// While no row of the list is selected, the first key that moves through it (an arrow, Home,
// End, Page Up, Page Down or Space) selects its first row instead of moving, so a keyboard user
// can act on a row at once. The list's own keys would otherwise only move its focus frame
// (past the first row, or nowhere in a list of one row) without selecting anything.
void selectFirstRowByKeyboard(QAbstractItemView* view);
