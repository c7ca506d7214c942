#pragma once

#include "output/ExportPrompts.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The small window shown before a return is e-mailed: the recipient, the subject and the
// message text, all editable, and the names of the two attachments. "Send" needs a recipient,
// and a recipient or subject with a line break or another control character is refused with
// a message (the dialog stays open at that field).
class MailComposeDialog : public QDialog {
    Q_OBJECT
public:
    explicit MailComposeDialog(const MailDraft& draft, QWidget* parent = nullptr);

    MailDraft draft() const;
    void accept() override;

private:
    void updateSendButton();

    MailDraft draft_;
    QLineEdit* to_;
    QLineEdit* subject_;
    QPlainTextEdit* body_;
    QPushButton* send_;
};
