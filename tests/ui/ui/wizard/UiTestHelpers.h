#pragma once

#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

// Stands in for the message boxes while it lives: records every text and answers questions
// from a script (Yes when the script has run out), so no box ever waits for a click.
class ScriptedMessages : public MessageBoxes {
public:
    ScriptedMessages() { MessageBoxes::install(this); }
    ~ScriptedMessages() override { MessageBoxes::install(nullptr); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void inform(QWidget*, const QString& text, MessageIcon icon) override {
        shown.append(text);
        icons.push_back(icon);
    }
    bool confirm(QWidget*, const QString& text, MessageIcon, bool noIsDefault) override {
        asked.append(text);
        noDefaults.push_back(noIsDefault);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    MessageAnswer ask(QWidget* parent, const QString& text, MessageIcon icon) override {
        return confirm(parent, text, icon, false) ? MessageAnswer::Yes : MessageAnswer::No;
    }
    // The file choosers answer with the next name of their list, or cancel when it is empty.
    QString chooseOpenFile(QWidget*, const QStringList&) override { return next(filesToOpen); }
    QString chooseSaveFile(QWidget*, const QStringList&, const QString&) override {
        return next(filesToSave);
    }
    void clear() {
        shown.clear();
        asked.clear();
        noDefaults.clear();
        icons.clear();
    }

    QStringList shown;
    QStringList asked;
    std::vector<bool> noDefaults; // per question: whether No was the default button
    std::vector<MessageIcon> icons;
    std::deque<bool> answers;
    std::deque<QString> filesToOpen;
    std::deque<QString> filesToSave;

private:
    static QString next(std::deque<QString>& names) {
        if (names.empty())
            return {};
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// Runs `script` on the next modal dialog of type Dialog once it is open; the script is
// expected to close it. Use before the call that opens the dialog.
template <typename Dialog>
void whenModalOpens(std::function<void(Dialog*)> script) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, script] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        script(dialog);
    });
    poll->start();
}

// Keyboard input as the preparer gives it, one key press and release at a time.
inline void pressKey(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Replaces the field's text by typing `text` into it.
inline void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    pressKey(edit, Qt::Key_Delete);
    edit->home(false);
    for (const QChar character : text)
        pressKey(edit, character.unicode() < 128 ? character.toUpper().unicode() : 0,
                 QString(character));
}
