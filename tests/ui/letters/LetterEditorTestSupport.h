#pragma once

#include "letters/LetterPrompts.h"

#include <QList>
#include <QString>
#include <deque>

// Answers the letter screens' message boxes and choosers in tests, and records the messages.
class ScriptedPrompts {
public:
    ScriptedPrompts() {
        LetterPrompts::setHandlers({
            [this](const MessageRequest& request) {
                messages.append(request);
                if (answers.empty())
                    return QMessageBox::Ok;
                const QMessageBox::StandardButton answer = answers.front();
                answers.pop_front();
                return answer;
            },
            [this] { return saveFileName; },
            [this](const QColor&) { return colour; },
            [this](QPrinter& printer) { return printerChosen ? printerChosen(printer) : false; },
        });
    }
    ~ScriptedPrompts() { LetterPrompts::setHandlers({}); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    QList<MessageRequest> messages;
    std::deque<QMessageBox::StandardButton> answers;
    QString saveFileName;
    std::optional<QColor> colour;
    std::function<bool(QPrinter&)> printerChosen;
};
