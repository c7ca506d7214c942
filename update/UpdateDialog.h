#pragma once

#include "update/UpdateJob.h"

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
struct UpdateCheck;

// Where the update dialog gets its files from and how it hands over; tests replace parts.
struct UpdateEnvironment {
    UpdateJobSettings job;
    // Starts the updater; false when it could not be started.
    std::function<bool()> startUpdater;
    // Ends the program once the updater runs.
    std::function<void()> endProgram;

    // The configured server, the built-in key, this run's private folder, the folder of the
    // program's executable (what an update replaces), a copy of our updater, and a normal end
    // of the program with exit code 0.
    static UpdateEnvironment standard();
};

// "Auto-update  Vantrobe": checks the server's version file, downloads a newer version with
// its progress, unpacks and stages it and hands over to the updater, in three visible steps.
// The check, and then the download and installation, run on a worker thread that reports
// here through queued calls; only this dialog's thread touches its widgets, so the window
// stays responsive and its Cancel button stops a check or download that takes too long.
class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStartDelayMs = 500;
    static constexpr int kRestartDelayMs = 2000;

    // `timeOfLastUpdate` (Options.TimeOfLastUpdate) is set to now when the user closes the
    // dialog with its Close button.
    UpdateDialog(int& timeOfLastUpdate, UpdateEnvironment environment, QWidget* parent = nullptr);
    ~UpdateDialog() override;

    // Escape, the Cancel button or the window manager's close: cancels a running check or
    // download (the dialog closes once it has stopped) and is the Close button when that is
    // shown; otherwise ignored.
    void reject() override;

private:
    void createControls();
    QGroupBox* createStepGroup(const QString& title, const char* name, QLabel* status);
    void runVersionCheck();
    void checkFinished(const UpdateCheck& check);
    void showNothingFound();
    void showClose();
    void startDownload(const UpdateCheck& check);
    void showProgress(const QString& text, int percent);
    void showInstalling();
    void downloadFinished(UpdateJob::Outcome outcome);
    void handOver();
    void closeWithError(const QString& message);
    void closeByUser();

    int& timeOfLastUpdate_;
    UpdateEnvironment environment_;
    QLabel* step1Status_;
    QLabel* progressText_;
    QLabel* step3Status_;
    QGroupBox* step2Group_ = nullptr;
    QGroupBox* step3Group_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QTimer* restartTimer_ = nullptr;
    int shownPercent_ = 0;
    bool cancelling_ = false;
    std::atomic<bool> checkCancelled_ = false;
    std::unique_ptr<UpdateJob> job_;
    std::unique_ptr<QThread> worker_;
};
