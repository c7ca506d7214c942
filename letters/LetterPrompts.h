#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// A message box as the letter screens ask it.
struct MessageRequest {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString title = QStringLiteral("Vantrobe");
};

// Every message box and chooser of the letter screens goes through here, so tests can answer
// them. A handler left empty shows the real dialog.
class LetterPrompts {
public:
    struct Handlers {
        std::function<QMessageBox::StandardButton(const MessageRequest&)> message;
        std::function<QString()> saveFileName;
        std::function<std::optional<QColor>(const QColor& initial)> colour;
        std::function<bool(QPrinter&)> printer;
    };
    static void setHandlers(Handlers handlers);

    static QMessageBox::StandardButton message(QWidget* parent, const MessageRequest& request);
    // "Save As" for a letter: a .doc name, asking before an existing file is replaced.
    static QString saveFileName(QWidget* parent);
    static std::optional<QColor> colour(QWidget* parent, const QColor& initial);
    // The printer chooser, without page range, selection or print-to-file choices.
    static bool choosePrinter(QWidget* parent, QPrinter& printer);

private:
    static Handlers& handlers();
};
