#include "update/UpdateDialog.h"

#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ProgramFolder.h"
#include "ui/MessageBoxes.h"
#include "update/UpdateCheck.h"
#include "update/UpdateSignature.h"
#include "update/UpdaterLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kNothingFound =
    QStringLiteral("No new updates were found.Please click \"Close\" to close this dialog.");
const QString kIncompatible =
    QStringLiteral("This updater version is not compatible with the latest version of  "
                   "Vantrobe,\n please contact us to get a full installation.");
const QString kUnexpectedError = QStringLiteral("An unexpected error occurred!");
const QString kUnzipFailed = QStringLiteral("An error occurred while unzipping the new updates.");
const QString kDownloadFailed = QStringLiteral("Downloading the update failed");
const QString kRefused =
    QStringLiteral("The update on the server does not check out: it is not the newer version it "
                   "announces, or its list of files does not match its contents. Nothing was "
                   "installed.");
const QString kStagingFailed =
    QStringLiteral("The new updates could not be copied into the program folder (is the disk "
                   "full?). Nothing was installed.");
const QString kAdministratorMustInstall =
    QStringLiteral("A newer version of Vantrobe is available, but Vantrobe cannot change its "
                   "program folder:\n%1\nAn administrator must install the update.");
const QString kWillClose = QStringLiteral("\nThe update dialog will now close.");

QLabel* statusLine(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}
} // namespace

UpdateEnvironment UpdateEnvironment::standard() {
    UpdateEnvironment environment;
    environment.job.server = UpdateServer::configured();
    environment.job.publicKey = UpdateSignature::builtInPublicKey();
    environment.job.workFolder = PrivateTempFolder::path();
    environment.job.programFolder =
        ProgramFolder::withTrailingSeparator(QCoreApplication::applicationDirPath());
    const QString programFolder = environment.job.programFolder;
    environment.startUpdater = [programFolder] {
        return UpdaterLaunch::start(UpdaterLaunch::Handover::ofThisProgram(programFolder),
                                    PrivateTempFolder::path());
    };
    environment.endProgram = [] { QCoreApplication::exit(0); };
    return environment;
}

UpdateDialog::UpdateDialog(int& timeOfLastUpdate, UpdateEnvironment environment, QWidget* parent)
    : QDialog(parent), timeOfLastUpdate_(timeOfLastUpdate), environment_(std::move(environment)),
      step1Status_(statusLine(QStringLiteral("Please wait while Vantrobe looks for new updates..."),
                              "step1Status", this)),
      progressText_(statusLine({}, "progressText", this)),
      step3Status_(statusLine(QStringLiteral("Please wait while the new updates gets installed..."),
                              "step3Status", this)) {
    setWindowTitle(QStringLiteral("Auto-update  Vantrobe"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    createControls();

    restartTimer_ = new QTimer(this);
    restartTimer_->setSingleShot(true);
    connect(restartTimer_, &QTimer::timeout, this, &UpdateDialog::handOver);
    QTimer::singleShot(kStartDelayMs, this, &UpdateDialog::runVersionCheck);
}

UpdateDialog::~UpdateDialog() {
    checkCancelled_ = true;
    if (job_)
        job_->cancel();
    if (worker_)
        worker_->wait();
}

void UpdateDialog::createControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createStepGroup(QStringLiteral("Step 1 : Checking for new updates"),
                                      "step1Group", step1Status_));

    step2Group_ =
        createStepGroup(QStringLiteral("Step 2 : Downloading new updates"), "step2Group", nullptr);
    auto* progressLine = new QHBoxLayout;
    auto* progressLabel = new QLabel(QStringLiteral("Download progress"), step2Group_);
    progressLabel->setObjectName(QStringLiteral("progressLabel"));
    progressLine->addWidget(progressLabel);
    progressLine->addWidget(progressText_, 1);
    progressBar_ = new QProgressBar(step2Group_);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    auto* step2Layout = static_cast<QVBoxLayout*>(step2Group_->layout());
    step2Layout->addLayout(progressLine);
    step2Layout->addWidget(progressBar_);
    step2Group_->setEnabled(false);
    layout->addWidget(step2Group_);

    step3Group_ =
        createStepGroup(QStringLiteral("Step 3 : Installing updates and restarting Vantrobe"),
                        "step3Group", step3Status_);
    step3Group_->setEnabled(false);
    layout->addWidget(step3Group_);

    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->hide();
    connect(closeButton_, &QPushButton::clicked, this, &UpdateDialog::closeByUser);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    connect(cancelButton_, &QPushButton::clicked, this, &UpdateDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);
    setMinimumWidth(440);
}

QGroupBox* UpdateDialog::createStepGroup(const QString& title, const char* name, QLabel* status) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(group);
    if (status) {
        status->setParent(group);
        layout->addWidget(status);
    }
    return group;
}

void UpdateDialog::runVersionCheck() {
    const UpdateJobSettings& job = environment_.job;
    worker_.reset(QThread::create([this, server = job.server, folder = job.programFolder,
                                   running = job.running] {
        const UpdateCheck check =
            UpdateCheck::run(server, folder, running, [this] { return checkCancelled_.load(); });
        QMetaObject::invokeMethod(
            this, [this, check] { checkFinished(check); }, Qt::QueuedConnection);
    }));
    if (!worker_) {
        closeWithError(kUnexpectedError);
        return;
    }
    worker_->start();
}

void UpdateDialog::checkFinished(const UpdateCheck& check) {
    worker_->wait();
    worker_.reset();
    if (cancelling_) {
        done(QDialog::Rejected);
        return;
    }
    switch (check.outcome) {
    case UpdateCheck::Outcome::NewerFound:
        step1Status_->setText(QStringLiteral("New updates were found."));
        step2Group_->setEnabled(true);
        startDownload(check);
        return;
    case UpdateCheck::Outcome::ProgramFolderReadOnly:
        step1Status_->setText(QStringLiteral("New updates were found."));
        MessageBoxes::current().inform(
            this,
            kAdministratorMustInstall.arg(QDir::toNativeSeparators(environment_.job.programFolder)),
            MessageIcon::Warning);
        showClose();
        return;
    case UpdateCheck::Outcome::Incompatible:
        MessageBoxes::current().inform(this, kIncompatible, MessageIcon::Warning);
        break;
    case UpdateCheck::Outcome::NothingFound:
        break;
    }
    showNothingFound();
}

void UpdateDialog::showNothingFound() {
    showClose();
    step1Status_->setText(kNothingFound);
}

void UpdateDialog::showClose() {
    cancelButton_->hide();
    closeButton_->show();
}

void UpdateDialog::startDownload(const UpdateCheck& check) {
    job_ = std::make_unique<UpdateJob>(environment_.job,
                                       UpdateVersion::parse(check.versionFile.versionText));
    connect(job_.get(), &UpdateJob::progressChanged, this, &UpdateDialog::showProgress,
            Qt::QueuedConnection);
    connect(job_.get(), &UpdateJob::installing, this, &UpdateDialog::showInstalling,
            Qt::QueuedConnection);
    connect(job_.get(), &UpdateJob::finished, this, &UpdateDialog::downloadFinished,
            Qt::QueuedConnection);
    UpdateJob* job = job_.get();
    worker_.reset(QThread::create([job] { job->run(); }));
    if (!worker_) {
        closeWithError(kUnexpectedError);
        return;
    }
    worker_->start();
}

void UpdateDialog::showProgress(const QString& text, int percent) {
    progressText_->setText(text);
    if (percent != shownPercent_ || percent == 100) {
        progressBar_->setValue(percent);
        shownPercent_ = percent;
    }
}

void UpdateDialog::showInstalling() {
    step3Group_->setEnabled(true);
    cancelButton_->hide();
}

void UpdateDialog::downloadFinished(UpdateJob::Outcome outcome) {
    worker_->wait();
    worker_.reset();
    if (cancelling_) {
        done(QDialog::Rejected);
        return;
    }
    switch (outcome) {
    case UpdateJob::Outcome::Installed:
        step3Status_->setText(QStringLiteral("Vantrobe will restart in 2 seconds"));
        restartTimer_->start(kRestartDelayMs);
        return;
    case UpdateJob::Outcome::DownloadFailed:
        showClose();
        MessageBoxes::current().inform(this, kDownloadFailed, MessageIcon::Stop);
        return;
    case UpdateJob::Outcome::Refused:
        showClose();
        MessageBoxes::current().inform(this, kRefused, MessageIcon::Stop);
        return;
    case UpdateJob::Outcome::UnzipFailed:
        closeWithError(kUnzipFailed);
        return;
    case UpdateJob::Outcome::StagingFailed:
        closeWithError(kStagingFailed);
        return;
    }
}

void UpdateDialog::handOver() {
    if (environment_.startUpdater())
        environment_.endProgram();
}

void UpdateDialog::closeWithError(const QString& message) {
    MessageBoxes::current().inform(this, message + kWillClose, MessageIcon::Stop);
    done(QDialog::Rejected);
}

void UpdateDialog::closeByUser() {
    timeOfLastUpdate_ = static_cast<int>(Clock::secondsSinceEpoch());
    accept();
}

void UpdateDialog::reject() {
    if (worker_ && !step3Group_->isEnabled()) {
        cancelling_ = true;
        cancelButton_->setEnabled(false);
        checkCancelled_ = true;
        if (job_)
            job_->cancel();
    } else if (!closeButton_->isHidden()) {
        closeByUser();
    }
}
