#include "ui/MessageBoxes.h"

#include <QMessageBox>

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
};

MessageBoxes*& installed() {
    static MessageBoxes* replacement = nullptr;
    return replacement;
}
} // namespace

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
