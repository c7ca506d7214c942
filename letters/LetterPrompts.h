#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// Every chooser of the letter screens goes through here, so tests can answer them (their
// message boxes go through MessageBoxes). A handler left empty shows the real dialog.
class LetterPrompts {
public:
    struct Handlers {
        std::function<QString()> saveFileName;
        std::function<std::optional<QColor>(const QColor& initial)> colour;
        std::function<bool(QPrinter&)> printer;
    };
    static void setHandlers(Handlers handlers);

    // "Save As" for a letter: a .doc name, asking before an existing file is replaced.
    static QString saveFileName(QWidget* parent);
    static std::optional<QColor> colour(QWidget* parent, const QColor& initial);
    // The printer chooser, without page range, selection or print-to-file choices.
    static bool choosePrinter(QWidget* parent, QPrinter& printer);

private:
    static Handlers& handlers();
};
