#pragma once

#include "letters/LetterInputs.h"

#include <QByteArray>
#include <QString>

// The client letter of a client file: same folder and base name, extension "tlt".
QString clientLetterPath(const QString& clientFilePath);

// "Mar 5, 2005": English three-letter month, the day without padding, the four-digit year.
QString letterDateText(QDate date);

// Replaces the keywords of a letter template, keyword by keyword in a fixed order; each step
// replaces every occurrence and does not rescan the text it inserts. Values are escaped for
// RTF, so a name with a brace or a backslash cannot break the letter.
QByteArray replaceLetterKeywords(QByteArray letter, const LetterInputs& inputs);

// The template a letter for this client is made from: the client letter when it exists,
// otherwise the default letter.
QString letterTemplatePath(const QString& clientFilePath);

// Writes the letter for `inputs` to a new temporary file named with the prefix "tlt" and
// returns its path; the caller deletes it. A template that cannot be read gives an empty
// file. The path is empty only when no temporary file could be created.
QString generateLetter(const LetterInputs& inputs);
