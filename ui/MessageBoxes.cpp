#include "ui/MessageBoxes.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {
QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

int runBox(QWidget* parent, const QString& text, MessageIcon icon,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(boxIcon(icon), MessageBoxes::caption(), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

class RealMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text, MessageIcon icon) override {
        runBox(parent, text, icon, QMessageBox::Ok, QMessageBox::Ok);
    }
    bool confirm(QWidget* parent, const QString& text, MessageIcon icon,
                 bool noIsDefault) override {
        const auto defaultButton = noIsDefault ? QMessageBox::No : QMessageBox::Yes;
        return runBox(parent, text, icon, QMessageBox::Yes | QMessageBox::No, defaultButton) ==
               QMessageBox::Yes;
    }
    MessageAnswer ask(QWidget* parent, const QString& text, MessageIcon icon) override {
        switch (runBox(parent, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                       QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
        }
    }
    QString chooseSaveFile(QWidget* parent, const QStringList& nameFilters,
                           const QString& defaultSuffix) override {
        QFileDialog chooser(parent);
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setNameFilters(nameFilters);
        chooser.setDefaultSuffix(defaultSuffix);
        chooser.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
            return {};
        return chooser.selectedFiles().first();
    }
    QString chooseOpenFile(QWidget* parent, const QStringList& nameFilters) override {
        QFileDialog chooser(parent);
        chooser.setAcceptMode(QFileDialog::AcceptOpen);
        chooser.setFileMode(QFileDialog::ExistingFile);
        chooser.setNameFilters(nameFilters);
        chooser.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
            return {};
        return chooser.selectedFiles().first();
    }
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }
    bool choosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog chooser(&printer, parent);
        // Without any printer the dialog could offer nothing to print on: then it offers a
        // PDF file instead.
        chooser.setOption(QAbstractPrintDialog::PrintToFile,
                          QPrinterInfo::availablePrinters().isEmpty());
        chooser.setOption(QAbstractPrintDialog::PrintSelection, false);
        chooser.setOption(QAbstractPrintDialog::PrintPageRange, false);
        return chooser.exec() == QDialog::Accepted;
    }
};

MessageBoxes*& installed() {
    static MessageBoxes* replacement = nullptr;
    return replacement;
}
} // namespace

QString MessageBoxes::chooseSaveFile(QWidget*, const QStringList&, const QString&) {
    return {};
}

QString MessageBoxes::chooseOpenFile(QWidget*, const QStringList&) {
    return {};
}

std::optional<QColor> MessageBoxes::chooseColour(QWidget*, const QColor&) {
    return std::nullopt;
}

bool MessageBoxes::choosePrinter(QWidget*, QPrinter&) {
    return false;
}

QString MessageBoxes::caption() {
    return QStringLiteral("Vantrobe");
}

MessageBoxes& MessageBoxes::current() {
    static RealMessageBoxes real;
    return installed() ? *installed() : real;
}

void MessageBoxes::install(MessageBoxes* replacement) {
    installed() = replacement;
}
