#include "output/MailComposeDialog.h"

#include "forms/mail/MailFieldCheck.h"
#include "ui/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

MailComposeDialog::MailComposeDialog(const MailDraft& draft, QWidget* parent)
    : QDialog(parent), draft_(draft), to_(new QLineEdit(draft.to, this)),
      subject_(new QLineEdit(draft.subject, this)), body_(new QPlainTextEdit(draft.body, this)) {
    setWindowTitle(QStringLiteral("E-mail Return"));
    to_->setObjectName(QStringLiteral("to"));
    subject_->setObjectName(QStringLiteral("subject"));
    body_->setObjectName(QStringLiteral("body"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("To:"), to_);
    fields->addRow(QStringLiteral("Subject:"), subject_);
    fields->addRow(QStringLiteral("Attachments:"), new QLabel(draft.attachmentNames, this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    send_ = buttons->addButton(QStringLiteral("Send"), QDialogButtonBox::AcceptRole);
    send_->setObjectName(QStringLiteral("send"));
    send_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(to_, &QLineEdit::textChanged, this, &MailComposeDialog::updateSendButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(body_);
    layout->addWidget(buttons);
    resize(520, 360);
    updateSendButton();
}

MailDraft MailComposeDialog::draft() const {
    MailDraft edited = draft_;
    edited.to = to_->text().trimmed();
    edited.subject = subject_->text();
    edited.body = body_->toPlainText();
    return edited;
}

void MailComposeDialog::accept() {
    const MailDraft edited = draft();
    for (const auto& [field, text, edit] :
         {std::tuple{MailFieldCheck::kRecipient, edited.to, to_},
          std::tuple{MailFieldCheck::kSubject, edited.subject, subject_}}) {
        const QString problem = MailFieldCheck::problem(QLatin1String(field), text);
        if (!problem.isEmpty()) {
            MessageBoxes::current().inform(this, problem, MessageIcon::Warning);
            edit->setFocus();
            return;
        }
    }
    QDialog::accept();
}

void MailComposeDialog::updateSendButton() {
    send_->setEnabled(!to_->text().trimmed().isEmpty());
}
