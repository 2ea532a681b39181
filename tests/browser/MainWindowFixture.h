#pragma once

#include "app/MainWindowAssembly.h"
#include "browser/CTembrelDlg.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"
#include "tests/support/TempProgramDir.h"
#include "tests/support/WavBytes.h"

#include <gtest/gtest.h>
#include <memory>

// A main window over a temporary program directory, with scripted boxes and sound doubles.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture();
    ~MainWindowFixture() override;

    // Builds the window (reading the data file and scanning the main directory).
    CTembrelDlg& window();
    // The settings the window took at start (built with the window).
    MainSettings& startValues();
    // A WAV file in the main directory (or in folder) of the given play length.
    QString addSound(const QString& name, WavSpec spec = {}, const QString& folder = {});
    QStringList listRows();

    TempProgramDir program;
    FakeUi ui;
    FakePlaybackDevice playback;
    FakeSoundPlayer sounds;
    LocalFileSystem files;
    FakeLauncher launcher;
    FakeDesktop desktop;
    std::unique_ptr<Services> services;
    std::unique_ptr<MainWindowAssembly> assembly;
};
