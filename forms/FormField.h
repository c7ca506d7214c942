#pragma once

#include <QtGlobal>

// One row of a form's field table: the key the form code writes by, the placeholder text the
// page image carries for it, and the byte offset of that placeholder in the image (-1 until
// first searched). Each form has one static table shared by all its objects; the position is
// cached in the row because every object of a form holds the same image.
struct FormField {
    qint32 key;
    char placeholder[128];
    qint32 position;
};
