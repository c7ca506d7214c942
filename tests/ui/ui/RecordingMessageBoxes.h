#pragma once

#include "ui/MessageBoxes.h"

#include <QStringList>
#include <vector>

// Takes the place of the real message boxes while it lives: records every message and answers
// questions with `answer`.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        bool question;
        bool noIsDefault; // a question whose default button is No
    };

    RecordingMessageBoxes() { MessageBoxes::install(this); }
    ~RecordingMessageBoxes() override { MessageBoxes::install(nullptr); }

    void inform(QWidget*, const QString& text, MessageIcon icon) override {
        shown.push_back({text, icon, false, false});
    }
    bool confirm(QWidget*, const QString& text, MessageIcon icon, bool noIsDefault) override {
        shown.push_back({text, icon, true, noIsDefault});
        return answer;
    }
    MessageAnswer ask(QWidget* parent, const QString& text, MessageIcon icon) override {
        return confirm(parent, text, icon, false) ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QStringList texts() const {
        QStringList result;
        for (const Shown& message : shown)
            result << message.text;
        return result;
    }

    std::vector<Shown> shown;
    bool answer = true;
};
