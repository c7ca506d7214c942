#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { None, Information, Warning, Stop, Question };

// The answer to a question that can also be cancelled.
enum class MessageAnswer { Yes, No, Cancel };

// Every message box of the program goes through here: a modal box titled caption() with a
// fixed text. Tests install their own implementation so that no box ever blocks them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A message with one OK button.
    virtual void inform(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A question with Yes and No buttons; true when the answer is Yes.
    virtual bool confirm(QWidget* parent, const QString& text, MessageIcon icon,
                         bool noIsDefault) = 0;
    // A question with Yes, No and Cancel buttons, Yes the default.
    virtual MessageAnswer ask(QWidget* parent, const QString& text, MessageIcon icon) = 0;

    // The title of every message box.
    static QString caption();

    // The implementation in use: real message boxes unless another was installed.
    static MessageBoxes& current();
    // Replaces the implementation (not owned); nullptr brings the real message boxes back.
    static void install(MessageBoxes* replacement);
};
