#pragma once

#include <QDialog>

class MailSettings;
class OptionsSettings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// "Options": the client data folder, the deletion, blank form and printing options, how often
// to look for updates, and how returns are sent by e-mail. OK writes the values into the
// settings objects at once; Cancel changes nothing.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(OptionsSettings& options, MailSettings& mail, QWidget* parent = nullptr);

    // After OK: whether the client data folder is now a different one, so the client list
    // must be read again.
    bool clientFolderChanged() const { return clientFolderChanged_; }

public slots:
    void accept() override;

private:
    QWidget* makeClientGroup();
    QWidget* makeFormsGroup();
    QWidget* makeMailGroup();
    void browseForFolder();
    bool folderUsable(const QString& folder);

    OptionsSettings& options_;
    MailSettings& mail_;
    bool clientFolderChanged_ = false;
    QLineEdit* folder_ = nullptr;
    QCheckBox* destroyPermanently_ = nullptr;
    QCheckBox* allowBlankForms_ = nullptr;
    QCheckBox* printGasohol_ = nullptr;
    QCheckBox* printDateTaxPayer_ = nullptr;
    QCheckBox* printDateTaxPreparer_ = nullptr;
    QComboBox* updateFrequency_ = nullptr;
    QLineEdit* mailServer_ = nullptr;
    QSpinBox* mailPort_ = nullptr;
    QCheckBox* mailTls_ = nullptr;
    QLineEdit* mailUser_ = nullptr;
    QLineEdit* mailSender_ = nullptr;
    QCheckBox* mailWithoutLogin_ = nullptr;
};
