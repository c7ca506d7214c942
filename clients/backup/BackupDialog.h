#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// "Client Data Backup ": which client to back up and where to.
class BackupDialog : public QDialog {
    Q_OBJECT
public:
    BackupDialog(const QStringList& clientNames, const QString& targetPath,
                 QWidget* parent = nullptr);

    // The chosen client's name; empty when there is no client to choose.
    QString clientName() const;
    QString targetPath() const;

    QComboBox* nameBox() const { return names_; }
    QLineEdit* pathEdit() const { return path_; }
    QPushButton* browseButton() const { return browse_; }

    // The initial backup file: "Client1.kvr" in the user's documents folder (created when
    // missing), or in `fallbackFolder` when that folder cannot be had.
    static QString defaultTargetPath(const QString& fallbackFolder = {});

private:
    void browse();

    QComboBox* names_;
    QLineEdit* path_;
    QPushButton* browse_;
};
