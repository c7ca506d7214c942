#pragma once

#include "ui/MessageBoxes.h"

#include <QList>
#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

// A message box as a letter screen showed it.
struct ShownMessage {
    MessageIcon icon = MessageIcon::None;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    QString title = MessageBoxes::caption();
};

// Answers the letter screens' message boxes and choosers in tests, and records the messages.
// Questions take their answers from `answers` in turn (Cancel, or No where there is no
// Cancel, once it has run out).
class ScriptedPrompts final : public MessageBoxes {
public:
    ScriptedPrompts() { MessageBoxes::install(this); }
    ~ScriptedPrompts() override { MessageBoxes::install(nullptr); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    void inform(QWidget*, const QString& text, MessageIcon icon) override {
        messages.append({icon, text});
    }
    bool confirm(QWidget*, const QString& text, MessageIcon icon, bool noIsDefault) override {
        messages.append({icon, text, QMessageBox::Yes | QMessageBox::No,
                         noIsDefault ? QMessageBox::No : QMessageBox::Yes});
        return nextAnswer() == MessageAnswer::Yes;
    }
    MessageAnswer ask(QWidget*, const QString& text, MessageIcon icon) override {
        messages.append({icon, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                         QMessageBox::Yes});
        return nextAnswer();
    }
    QString chooseSaveFile(QWidget*, const QStringList&, const QString&) override {
        return saveFileName;
    }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return colour; }
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        return printerChosen ? printerChosen(printer) : false;
    }

    QList<ShownMessage> messages;
    std::deque<MessageAnswer> answers;
    QString saveFileName;
    std::optional<QColor> colour;
    std::function<bool(QPrinter&)> printerChosen;

private:
    MessageAnswer nextAnswer() {
        if (answers.empty())
            return MessageAnswer::Cancel;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
