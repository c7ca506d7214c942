#include "PageScript.h"

namespace {

// Splits one line into words; false for an unterminated quoted text.
bool splitWords(const QString& line, QStringList& words) {
    qsizetype index = 0;
    while (index < line.size()) {
        const QChar character = line[index];
        if (character.isSpace()) {
            ++index;
        } else if (character == QLatin1Char('#')) {
            break;
        } else if (character == QLatin1Char('"')) {
            QString word;
            ++index;
            for (;;) {
                if (index >= line.size())
                    return false;
                if (line[index] == QLatin1Char('"')) {
                    if (index + 1 < line.size() && line[index + 1] == QLatin1Char('"')) {
                        word += QLatin1Char('"');
                        index += 2;
                        continue;
                    }
                    ++index;
                    break;
                }
                word += line[index++];
            }
            words.append(word);
        } else {
            const qsizetype start = index;
            while (index < line.size() && !line[index].isSpace())
                ++index;
            words.append(line.mid(start, index - start));
        }
    }
    return true;
}

} // namespace

bool readPageScript(const QString& text, QList<PageCommand>& commands, QString& error) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype number = 0; number < lines.size(); ++number) {
        QStringList words;
        if (!splitWords(lines[number], words)) {
            error = QStringLiteral("line %1: a text has no closing quote").arg(number + 1);
            return false;
        }
        if (words.isEmpty())
            continue;
        commands.append({words.takeFirst(), words, int(number + 1)});
    }
    return true;
}
