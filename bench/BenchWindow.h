#pragma once

// What the benchmarks that drive the real main window share: services that say nothing and
// play nothing, a temporary program directory, and a folder of many small sounds.
#include "bench/BenchTiming.h"
#include "browser/CTembrelDlg.h"
#include "core/CommandTable.h"
#include "platform/FileSystem.h"

#include <QTemporaryDir>
#include <memory>
#include <vector>

class QuietUi final : public IUi {
public:
    MsgResult messageBox(const QString& text, const QString&, MsgButtons, MsgIcon) override;
    std::optional<QString> openFileName(const OpenFileRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
    QString appTitle() const override { return QStringLiteral("bench"); }
};

class SilentDevice final : public IPlaybackDevice, public ISoundPlayer {
public:
    AudioResult open(const QString&) override { return {}; }
    AudioResult play(qint64, float) override { return {}; }
    void stop() override {}
    void close() override {}
    bool playLoop(const QString&, float) override { return true; }
    bool playSync(const QString&, float) override { return true; }
    void stopSync() override {}
    void silence() override {}
};

class NoLauncher final : public IProcessLauncher, public IDesktop {
public:
    bool startDetached(const QString&, const QStringList&) override { return false; }
    bool startWatched(const QString&, const QStringList&, std::function<void(int)>) override {
        return false;
    }
    bool openDocument(const QString&) override { return false; }
};

// A 44-byte header and 8 samples of silence.
QByteArray smallWav();
// The name of the sound number `index` of a folder made by makeFolder.
QString benchSoundName(int index, int files);
// `files` small sounds, written in an order unlike their names' order.
void makeFolder(const QString& folder, int files);

// A program directory whose main directory "Library" holds `files` sounds, and the main
// window over it (offscreen, nothing shown).
class BenchProgram {
public:
    explicit BenchProgram(int files);
    QString library() const { return m_program.filePath(QStringLiteral("Library")); }
    CTembrelDlg& window() { return *m_window; }

private:
    QTemporaryDir m_program;
    QuietUi m_ui;
    SilentDevice m_device;
    LocalFileSystem m_fs;
    NoLauncher m_launcher;
    std::unique_ptr<Services> m_services;
    std::unique_ptr<DataFileSettings> m_settings;
    CommandTable m_commands;
    std::unique_ptr<CTembrelDlg> m_window;
};
