#include "app/CTembrelApp.h"

#include "app/CSplashWnd.h"
#include "app/LaterStarts.h"
#include "app/MainWindowAssembly.h"
#include "browser/CTembrelDlg.h"
#include "core/Settings.h"
#include "core/SoundFacts.h"
#include "directories/CFolderBrowser.h"
#include "lists/CommandLineExport.h"
#include "platform/FileSystem.h"
#include "platform/InstanceChannel.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtLauncher.h"
#include "platform/QtUi.h"
#include "platform/RegistryFileStore.h"
#include "platform/SettingsStore.h"
#include "platform/audio/AudioSystem.h"
#include "platform/audio/PeakReader.h"
#include "platform/audio/SndfileEventSounds.h"
#include "platform/audio/SoundFileFacts.h"
#include "platform/audio/SoundSlice.h"
#include "schemes/CSchemeBuilderDlg.h"
#include "schemes/EventTable.h"
#include "schemes/SchemeContext.h"
#include "widgets/NameCollator.h"

#include <QDir>
#include <QTextStream>
#include <QTimer>

CTembrelApp::CTembrelApp()
    : m_ui(std::make_unique<QtUi>(pickFolderInBrowser)),
      m_files(std::make_unique<LocalFileSystem>()), m_launcher(std::make_unique<QtLauncher>()),
      m_desktop(std::make_unique<QtDesktop>()), m_audio(std::make_unique<AudioSystem>()),
      m_registry(std::make_unique<RegistryFileStore>(
          defaultRegistryFiles(registrySeed(userDataHome() + QStringLiteral("/tembrel/Themes"))))),
      m_peakReader(std::make_unique<SndfilePeakReader>()),
      m_soundCutter(std::make_unique<SndfileSoundCutter>()),
      m_eventSounds(std::make_unique<SndfileEventSounds>()) {
    useSoundFileFacts(readSoundFileFacts);
    AudioSystem* audio = m_audio.get();
    m_services.reset(new Services{
        *m_ui, audio->playbackDevice(), audio->soundPlayer(), *m_files, *m_launcher, *m_desktop,
        [audio] { return audio->newRecordingDevice(); }, programdir::withSeparator(),
        m_registry.get(), m_peakReader.get(), m_soundCutter.get(), m_eventSounds.get()});
}

// The windows go before the services they use.
CTembrelApp::~CTembrelApp() {
    m_mainWindow.reset();
}

int CTembrelApp::run(const QStringList& arguments) {
    if (const std::optional<ConsoleTask> task = parseConsoleTask(arguments.mid(1)))
        return runConsoleTask(*task);
    const StartOptions options = parseStartOptions(arguments.mid(1), QDir::currentPath());
    return options.schemeBuilderOnly ? runSchemeBuilder() : runBrowser(options);
}

ProgramPlaces CTembrelApp::findPlaces() {
    QString copyError;
    ProgramPlaces places = currentProgramPlaces(keys::kMainDirectory, &copyError);
    if (!copyError.isEmpty())
        m_ui->messageBox(copyError, m_ui->appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
    return places;
}

int CTembrelApp::runSchemeBuilder() {
    DataFileSettings settings(findPlaces());
    const QString name = readReported(settings, *m_ui, keys::kMainDirectory, MsgIcon::None);
    SchemeContext context = schemeContext(*m_services, settings);
    CSchemeBuilderDlg builder(context);
    builder.setFolder(settings.collectionFolder(name));
    builder.exec();
    return 0;
}

int CTembrelApp::runBrowser(const StartOptions& options) {
    // One window per user and program directory: a later start hands its sound over and ends.
    const QString channel = instanceChannelPath(programdir::withSeparator());
    if (handToRunningInstance(channel, options.soundFile))
        return 0;
    // Constructing the main window reads its settings and scans the main directory before
    // any window of the program shows.
    m_mainWindow = std::make_unique<MainWindowAssembly>(*m_services, findPlaces());
    if (!options.soundFile.isEmpty())
        m_mainWindow->showSound(options.soundFile);
    CTembrelDlg& window = m_mainWindow->window();
    LaterStarts laterStarts(*m_mainWindow);
    laterStarts.listen(channel);
    CSplashWnd::EnableSplashScreen(options.showSplash);
    QTimer::singleShot(0, &window, [&window] { CSplashWnd::ShowSplashScreen(&window); });
    window.exec();
    return 0;
}

int CTembrelApp::runConsoleTask(const ConsoleTask& task) {
    const QString name = programdir::executableName();
    QTextStream errors(stderr);
    switch (task.kind) {
    case ConsoleTask::Kind::Help:
        QTextStream(stdout) << commandLineHelp(name);
        return 0;
    case ConsoleTask::Kind::Version:
        QTextStream(stdout) << name << ' ' << programVersion() << Qt::endl;
        return 0;
    case ConsoleTask::Kind::Mistake:
        errors << name << ": " << task.mistake << " (see " << name << " --help)" << Qt::endl;
        return 2;
    case ConsoleTask::Kind::ExportList:
        break;
    }
    ExportServices services{*m_files,
                            m_services->playback,
                            m_services->sounds,
                            m_services->programDir,
                            name,
                            [](const QStringList& names) { return NameCollator().order(names); }};
    return exportListFromCommandLine(task.list, task.folder, task.force, services, errors);
}
