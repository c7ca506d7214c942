#pragma once

#include <QString>

// The help balloon of an amount field of the return wizard: its title and explanation.
struct HelpText {
    QString title;
    QString text;
};

// The help of the field named `key` (the record's name of the amount); none for a field
// without help.
const HelpText* helpTextFor(const QString& key);
