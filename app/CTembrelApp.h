#pragma once

#include "app/CommandLine.h"
#include "platform/ProgramPlaces.h"

#include <QStringList>
#include <memory>

class MainWindowAssembly;
struct Services;
class QtUi;
class LocalFileSystem;
class QtLauncher;
class QtDesktop;
class AudioSystem;
class IPeakReader;
class ISoundCutter;
class RegistryFileStore;
class SndfileEventSounds;
class QTextStream;

// Builds the program's services and windows and runs the start sequence. The main window's
// modal run is the program's run: when it closes, the program ends.
class CTembrelApp {
public:
    CTembrelApp();
    ~CTembrelApp();
    int run(const QStringList& arguments);

private:
    // Finds the data file and the collection, copying an installed program's defaults to the
    // user's folders on first start (a failure is reported, and the start goes on).
    ProgramPlaces findPlaces();
    int runBrowser(const StartOptions& options);
    // "blv": the scheme builder alone, on the main directory; no main window is built.
    int runSchemeBuilder();
    // --help and --export: no window, no question; the result is the exit status.
    int runConsoleTask(const ConsoleTask& task);
    // --index and --search: the sound index, without a window.
    int runIndexTask(const ConsoleTask& task, QTextStream& errors);

    std::unique_ptr<QtUi> m_ui;
    std::unique_ptr<LocalFileSystem> m_files;
    std::unique_ptr<QtLauncher> m_launcher;
    std::unique_ptr<QtDesktop> m_desktop;
    std::unique_ptr<AudioSystem> m_audio;
    std::unique_ptr<RegistryFileStore> m_registry;
    std::unique_ptr<IPeakReader> m_peakReader;
    std::unique_ptr<ISoundCutter> m_soundCutter;
    std::unique_ptr<SndfileEventSounds> m_eventSounds;
    std::unique_ptr<Services> m_services;
    std::unique_ptr<MainWindowAssembly> m_mainWindow;
};
