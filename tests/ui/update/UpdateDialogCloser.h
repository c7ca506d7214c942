#pragma once

#include "update/UpdateDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

// Clicks the Close button of the open update dialog as soon as it shows, for tests that run a
// command which opens the dialog modally.
class UpdateDialogCloser {
public:
    UpdateDialogCloser() {
        QObject::connect(&poll_, &QTimer::timeout, [] {
            auto* dialog = qobject_cast<UpdateDialog*>(QApplication::activeModalWidget());
            auto* close =
                dialog ? dialog->findChild<QPushButton*>(QStringLiteral("closeButton")) : nullptr;
            if (close && !close->isHidden())
                close->click();
        });
        poll_.start(50);
    }

private:
    QTimer poll_;
};
