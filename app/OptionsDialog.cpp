#include "app/OptionsDialog.h"

#include "clients/ClientDataFolder.h"
#include "platform/ProgramFolder.h"
#include "settings/MailSettings.h"
#include "settings/OptionsSettings.h"
#include "ui/AccessKeys.h"
#include "ui/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kDefaultUpdateFrequency = 2;

QCheckBox* checkBox(const QString& label, int value, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(label, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(value != 0);
    return box;
}

int checkedValue(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

QLineEdit* lineEdit(const QString& text, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}
} // namespace

OptionsDialog::OptionsDialog(OptionsSettings& options, MailSettings& mail, QWidget* parent)
    : QDialog(parent), options_(options), mail_(mail) {
    setWindowTitle(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeClientGroup());
    layout->addWidget(makeFormsGroup());
    layout->addWidget(makeMailGroup());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    AccessKeys::giveStandardButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

QWidget* OptionsDialog::makeClientGroup() {
    auto* group = new QGroupBox(QStringLiteral("Clients"), this);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Folder for Clients Data:"), group));
    auto* folderLine = new QHBoxLayout;
    folder_ = lineEdit(options_.clientDataPath, "clientFolder", group);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), group);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::browseForFolder);
    folderLine->addWidget(folder_, 1);
    folderLine->addWidget(browse);
    layout->addLayout(folderLine);
    destroyPermanently_ =
        checkBox(QStringLiteral("&Destroy client data permanently when deleting a client."),
                 options_.destroyClientDataPermanently, "destroyPermanently", group);
    layout->addWidget(destroyPermanently_);
    return group;
}

QWidget* OptionsDialog::makeFormsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Forms and updates"), this);
    auto* layout = new QVBoxLayout(group);
    allowBlankForms_ = checkBox(QStringLiteral("A&llow creation of blank forms."),
                                options_.allowBlankForms, "allowBlankForms", group);
    printGasohol_ =
        checkBox(QStringLiteral("Print &Gasohol Exemption Worksheet (single site only)"),
                 options_.printGasoholWorksheet, "printGasohol", group);
    printDateTaxPayer_ = checkBox(QStringLiteral("Print date on Tax &Payer signature line"),
                                  options_.printDateTaxPayer, "printDateTaxPayer", group);
    printDateTaxPreparer_ = checkBox(QStringLiteral("Print date on P&reparer  signature line"),
                                     options_.printDateTaxPreparer, "printDateTaxPreparer", group);
    for (QCheckBox* box :
         {allowBlankForms_, printGasohol_, printDateTaxPayer_, printDateTaxPreparer_})
        layout->addWidget(box);
    auto* updateLine = new QHBoxLayout;
    updateLine->addWidget(new QLabel(QStringLiteral("Check for new updates every:"), group));
    updateFrequency_ = new QComboBox(group);
    updateFrequency_->setObjectName(QStringLiteral("updateFrequency"));
    for (const UpdateFrequency& frequency : kUpdateFrequencies)
        updateFrequency_->addItem(QLatin1String(frequency.text));
    // A stored index outside the list (a damaged setting) shows the default, "Week".
    const int stored = options_.checkForUpdatesFrequency;
    const bool known = stored >= 0 && stored < updateFrequency_->count();
    updateFrequency_->setCurrentIndex(known ? stored : kDefaultUpdateFrequency);
    updateLine->addWidget(updateFrequency_);
    updateLine->addStretch();
    layout->addLayout(updateLine);
    return group;
}

QWidget* OptionsDialog::makeMailGroup() {
    auto* group = new QGroupBox(QStringLiteral("Mail"), this);
    auto* form = new QFormLayout(group);
    mailServer_ = lineEdit(mail_.server, "mailServer", group);
    mailServer_->setPlaceholderText(QStringLiteral("empty: use the desktop's mail program"));
    mailPort_ = new QSpinBox(group);
    mailPort_->setObjectName(QStringLiteral("mailPort"));
    mailPort_->setRange(1, 65535);
    mailPort_->setValue(mail_.port);
    mailTls_ =
        checkBox(QStringLiteral("Use a secure connection (&TLS)"), mail_.useTls, "mailTls", group);
    mailUser_ = lineEdit(mail_.user, "mailUser", group);
    mailSender_ = lineEdit(mail_.sender, "mailSender", group);
    mailSender_->setPlaceholderText(QStringLiteral("name@example.com"));
    mailWithoutLogin_ =
        checkBox(QStringLiteral("Send &without logging in when the server offers no login"),
                 mail_.sendWithoutLogin, "mailWithoutLogin", group);
    form->addRow(QStringLiteral("SMTP server:"), mailServer_);
    form->addRow(QStringLiteral("Port:"), mailPort_);
    form->addRow(QString(), mailTls_);
    form->addRow(QStringLiteral("User name:"), mailUser_);
    form->addRow(QStringLiteral("Sender address:"), mailSender_);
    form->addRow(QString(), mailWithoutLogin_);
    return group;
}

void OptionsDialog::browseForFolder() {
    const QString picked = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Folder for Clients Data"), folder_->text());
    if (!picked.isEmpty())
        folder_->setText(ProgramFolder::withTrailingSeparator(picked));
}

// A missing folder is offered for creation; one that cannot be made or written is refused.
bool OptionsDialog::folderUsable(const QString& folder) {
    const QString another = QStringLiteral("\nPlease choose another folder for clients data.");
    MessageBoxes& boxes = MessageBoxes::current();
    if (ClientDataFolder::check(folder) != ClientDataFolder::State::Missing) {
        const QString problem = ClientDataFolder::problemText(folder);
        if (!problem.isEmpty())
            boxes.inform(this, problem + another, MessageIcon::Warning);
        return problem.isEmpty();
    }
    const QString missing = ClientDataFolder::problemText(folder);
    if (!boxes.confirm(this, missing + QStringLiteral("\nDo you want to create it?"),
                       MessageIcon::Question, false))
        return false;
    if (ClientDataFolder::create(folder))
        return true;
    boxes.inform(this,
                 QStringLiteral("The folder \"%1\" could not be created.").arg(folder) + another,
                 MessageIcon::Warning);
    return false;
}

void OptionsDialog::accept() {
    const QString typed = folder_->text().trimmed();
    if (typed.isEmpty()) {
        MessageBoxes::current().inform(
            this, QStringLiteral("Please specify the folder for clients data."),
            MessageIcon::Warning);
        folder_->setFocus();
        return;
    }
    const QString folder = ProgramFolder::withTrailingSeparator(typed);
    if (!folderUsable(folder)) {
        folder_->setFocus();
        return;
    }
    clientFolderChanged_ = folder != options_.clientDataPath;
    options_.clientDataPath = folder;
    options_.destroyClientDataPermanently = checkedValue(destroyPermanently_);
    options_.allowBlankForms = checkedValue(allowBlankForms_);
    options_.printGasoholWorksheet = checkedValue(printGasohol_);
    options_.printDateTaxPayer = checkedValue(printDateTaxPayer_);
    options_.printDateTaxPreparer = checkedValue(printDateTaxPreparer_);
    options_.checkForUpdatesFrequency = updateFrequency_->currentIndex();
    mail_.server = mailServer_->text().trimmed();
    mail_.port = mailPort_->value();
    mail_.useTls = checkedValue(mailTls_);
    mail_.user = mailUser_->text().trimmed();
    mail_.sender = mailSender_->text().trimmed();
    mail_.sendWithoutLogin = checkedValue(mailWithoutLogin_);
    QDialog::accept();
}
