#pragma once

#include "platform/ProgramFolder.h"
#include "settings/SettingsStore.h"
#include "support/TestPaths.h"
#include "ui/app/ClientFolder.h"
#include "ui/ui/RecordingMessageBoxes.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A program folder of its own with a "Clients" folder holding two clients, a settings store
// emptied before each test, and recorded message boxes.
class AppTestFixture : public ::testing::Test {
protected:
    AppTestFixture() {
        settings().clear();
        ProgramFolder::setOverride(programFolder.path());
        QDir(programFolder.path()).mkpath(QStringLiteral("Clients"));
        ClientFolder::write(clientFolder(), {"Vtb00001.kvr", "Prairie Books", "(217) 555-0101"});
        ClientFolder::write(clientFolder(), {"Vtb00002.kvr", "Harbor Marine", "(773) 555-0102"});
    }
    ~AppTestFixture() override {
        ProgramFolder::setOverride({});
        settings().clear();
    }

    static QSettings settings() {
        return QSettings(SettingsStore::kOrganization, SettingsStore::kApplication);
    }
    QString clientFolder() const { return programFolder.path() + QStringLiteral("/Clients/"); }
    static QString taxTable() { return TestPaths::source(QStringLiteral("resources/Data.tbl")); }

    QTemporaryDir programFolder;
    RecordingMessageBoxes boxes;
};
