#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// What the preparer may change before a return is e-mailed.
struct MailDraft {
    QString to;
    QString subject;
    QString body;
    QString attachmentNames; // shown only: "Acme Mar 2005.pdf, Instructions.doc"
};

// The choosers of "Save As" and "E-mail": the save dialog, the compose dialog and the password
// prompt. Tests replace them through setHandlers so that nothing waits for a click.
class ExportPrompts {
public:
    struct Handlers {
        std::function<QString()> saveFileName;
        std::function<bool(MailDraft&)> compose;
        std::function<std::optional<QString>(const QString& user, const QString& server)> password;
    };
    static void setHandlers(Handlers handlers);

    // The save dialog: preset name "*.PDF", PDF and Word document filters, opened in the folder
    // a return was saved in last (the documents folder before the first save). Empty:
    // cancelled.
    static QString saveFileName(QWidget* parent);
    // The folder the save dialog opens in: where a return was saved last while that folder
    // exists, the documents folder otherwise.
    static QString saveFolder();
    // The compose dialog; false when cancelled.
    static bool compose(QWidget* parent, MailDraft& draft);
    // The mail server's password for the user; none when cancelled.
    static std::optional<QString> password(QWidget* parent, const QString& user,
                                           const QString& server);

private:
    static Handlers& handlers();
};
