#include "clients/backup/BackupDialog.h"

#include "clients/backup/ClientBackup.h"
#include "clients/backup/ClientFileFilter.h"
#include "ui/AccessKeys.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

BackupDialog::BackupDialog(const QStringList& clientNames, const QString& targetPath,
                           QWidget* parent)
    : QDialog(parent), names_(new QComboBox), path_(new QLineEdit(targetPath)),
      browse_(new QPushButton(QStringLiteral("&Browse..."))) {
    setWindowTitle(QStringLiteral("Client Data Backup "));
    QStringList sorted = clientNames;
    sorted.sort(Qt::CaseInsensitive);
    names_->addItems(sorted);
    names_->setCurrentIndex(sorted.isEmpty() ? -1 : 0);
    path_->setMinimumWidth(320);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse_);
    browse_->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, &BackupDialog::browse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Client Name:"), names_);
    form->addRow(QStringLiteral("Backup File:"), pathRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    AccessKeys::giveStandardButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString BackupDialog::clientName() const {
    return names_->currentText();
}

QString BackupDialog::targetPath() const {
    return path_->text();
}

QString BackupDialog::defaultTargetPath(const QString& fallbackFolder) {
    const QString fallback = fallbackFolder.isEmpty() ? QDir::homePath() : fallbackFolder;
    return QDir(ClientBackup::proposedFolder(fallback)).filePath(QStringLiteral("Client1.kvr"));
}

void BackupDialog::browse() {
    QFileDialog chooser(this, QString(), path_->text(), ClientFileFilter::kFilters);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(ClientFileFilter::kSuffix);
    chooser.setOption(QFileDialog::ReadOnly, false);
    chooser.selectFile(path_->text());
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        path_->setText(chooser.selectedFiles().front());
}
