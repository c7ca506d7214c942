#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One line of a page description: its verb, its arguments (quoted texts unquoted) and where
// it stands, for messages.
struct PageCommand {
    QString verb;
    QStringList arguments;
    int line = 0;
};

// Reads a page description: one command per line, words separated by blanks, texts in double
// quotes (a quote inside a text is written twice), "#" to the end of the line is a comment.
// Returns false with a message naming the line for an unterminated text.
bool readPageScript(const QString& text, QList<PageCommand>& commands, QString& error);
