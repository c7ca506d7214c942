#include "update/UpdateDialog.h"

#include "platform/Clock.h"
#include "platform/PrivateTempFolder.h"
#include "platform/ProgramFolder.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"
#include "update/UpdateCheck.h"
#include "update/UpdateSignature.h"
#include "update/UpdaterLaunch.h"

#include <QCoreApplication>
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
    environment.job.temporaryFolder = PrivateTempFolder::path();
    environment.job.programFolder = ProgramFolder::path();
    const QString programFolder = environment.job.programFolder;
    environment.startUpdater = [programFolder] { return UpdaterLaunch::start(programFolder); };
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
    if (worker_) {
        job_->cancel();
        worker_->wait();
    }
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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);
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
    // The dialog does not respond while the version file is fetched; the cursor says so.
    const UpdateCheck check = [this] {
        WaitCursor wait;
        return UpdateCheck::run(environment_.job.server.versionFileUrl(),
                                environment_.job.programFolder, runningVersion());
    }();
    switch (check.outcome) {
    case UpdateCheck::Outcome::NewerFound:
        step1Status_->setText(QStringLiteral("New updates were found."));
        step2Group_->setEnabled(true);
        startDownload(check);
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
    closeButton_->show();
    step1Status_->setText(kNothingFound);
}

void UpdateDialog::startDownload(const UpdateCheck& check) {
    job_ = std::make_unique<UpdateJob>(environment_.job, check.versionFile, check.versionFileText);
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
        closeButton_->show();
        MessageBoxes::current().inform(this, kDownloadFailed, MessageIcon::Stop);
        return;
    case UpdateJob::Outcome::UnzipFailed:
        closeWithError(kUnzipFailed);
        return;
    case UpdateJob::Outcome::StagingFailed:
        closeWithError(kUnexpectedError);
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
        job_->cancel();
    } else if (!closeButton_->isHidden()) {
        closeByUser();
    }
}
