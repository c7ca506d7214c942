#include "letters/LetterPrompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

LetterPrompts::Handlers& LetterPrompts::handlers() {
    static Handlers installed;
    return installed;
}

void LetterPrompts::setHandlers(Handlers replacement) {
    handlers() = std::move(replacement);
}

QString LetterPrompts::saveFileName(QWidget* parent) {
    if (handlers().saveFileName)
        return handlers().saveFileName();
    QFileDialog chooser(parent);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setNameFilters(
        {QStringLiteral("Word Document (*.doc)"), QStringLiteral("All Files (*.*)")});
    chooser.setDefaultSuffix(QStringLiteral("doc"));
    chooser.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().first();
}

std::optional<QColor> LetterPrompts::colour(QWidget* parent, const QColor& initial) {
    if (handlers().colour)
        return handlers().colour(initial);
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

bool LetterPrompts::choosePrinter(QWidget* parent, QPrinter& printer) {
    if (handlers().printer)
        return handlers().printer(printer);
    QPrintDialog chooser(&printer, parent);
    chooser.setOption(QAbstractPrintDialog::PrintToFile, false);
    chooser.setOption(QAbstractPrintDialog::PrintSelection, false);
    chooser.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return chooser.exec() == QDialog::Accepted;
}
