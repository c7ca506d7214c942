#pragma once

#include <QByteArray>
#include <QString>

// Plain text as RTF source text in code page 1252: '\', '{' and '}' are escaped, tabs and
// line breaks become \tab and \line, characters above 127 become \'hh (or \uN? outside the
// code page). Every control word ends with its delimiting space, so the text that follows is
// never glued to it, and runs of letters stay unbroken.
QByteArray rtfEscapedText(const QString& text);
