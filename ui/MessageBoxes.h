#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

enum class MessageIcon { None, Information, Warning, Stop, Question };

// The answer to a question that can also be cancelled.
enum class MessageAnswer { Yes, No, Cancel };

// Every message box and chooser of the program goes through here: a modal box titled
// caption() with a fixed text, and the file, colour and printer choosers. Tests install their
// own implementation so that no box ever blocks them; a chooser it does not answer is
// cancelled.
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

    // "Save As": a file name in the filter chosen (the first of `nameFilters` at first), with
    // `defaultSuffix` added when none was typed, asking before an existing file is replaced.
    // Empty when cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QStringList& nameFilters,
                                   const QString& defaultSuffix);
    // "Open": an existing file in the filter chosen (the first of `nameFilters` at first).
    // Empty when cancelled.
    virtual QString chooseOpenFile(QWidget* parent, const QStringList& nameFilters);
    // A colour, starting from `initial`; none when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial);
    // The printer chooser, without page range or selection choices, and offering to print to a
    // file only when there is no printer; true when the preparer chose to print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);

    // The title of every message box.
    static QString caption();

    // The implementation in use: real message boxes unless another was installed.
    static MessageBoxes& current();
    // Replaces the implementation (not owned); nullptr brings the real message boxes back.
    static void install(MessageBoxes* replacement);
};
