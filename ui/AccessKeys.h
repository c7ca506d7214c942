#pragma once

#include <QChar>
#include <QString>

class QDialogButtonBox;

// Access keys: the letter after '&' in a button or label text, pressed with Alt.
namespace AccessKeys {

// Gives the standard buttons of a button box their access keys: "&OK", "&Cancel", "&Close".
void giveStandardButtons(QDialogButtonBox* buttons);

// The access key of a text in upper case, or a null character when it has none ("&&" is a
// plain ampersand).
QChar of(const QString& text);

} // namespace AccessKeys
