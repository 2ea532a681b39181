#include "app/CTembrelApp.h"

#include "app/CSplashWnd.h"
#include "app/LaterStarts.h"
#include "app/MainWindowAssembly.h"
#include "browser/CTembrelDlg.h"
#include "core/FolderScan.h"
#include "core/Settings.h"
#include "core/SoundFacts.h"
#include "directories/CFolderBrowser.h"
#include "library/IndexCommandLine.h"
#include "library/IndexPlaces.h"
#include "library/IndexScanner.h"
#include "library/SearchCommand.h"
#include "lists/CommandLineExport.h"
#include "platform/FileSystem.h"
#include "platform/InstanceChannel.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtLauncher.h"
#include "platform/QtUi.h"
#include "platform/RegistryFileStore.h"
#include "platform/SettingsStore.h"
#include "platform/Terminal.h"
#include "platform/audio/AudioSystem.h"
#include "platform/audio/LoudnessMeter.h"
#include "platform/audio/PeakReader.h"
#include "platform/audio/SndfileEventSounds.h"
#include "platform/audio/SoundFileFacts.h"
#include "platform/audio/SoundSlice.h"
#include "schemes/CSchemeBuilderDlg.h"
#include "schemes/EventTable.h"
#include "schemes/SchemeContext.h"
#include "widgets/NameCollator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    useOtherSoundEndings(readableSoundFileEndings());
    AudioSystem* audio = m_audio.get();
    m_services.reset(new Services{
        *m_ui, audio->playbackDevice(), audio->soundPlayer(), *m_files, *m_launcher, *m_desktop,
        [audio] { return audio->newRecordingDevice(); }, programdir::withSeparator(),
        m_registry.get(), m_peakReader.get(), m_soundCutter.get(), m_eventSounds.get(),
        [](const QString& path, double limitSeconds) {
            return measureLoudness(path, limitSeconds);
        }});
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
    if (handToRunningInstance(channel, options.anySoundFile()))
        return 0;
    // Constructing the main window reads its settings and scans the main directory before
    // any window of the program shows.
    m_mainWindow = std::make_unique<MainWindowAssembly>(*m_services, findPlaces());
    m_mainWindow->search().measureLoudnessWith(
        [](const QString& path) -> std::optional<LibraryKeeper::Loudness> {
            const auto facts = measureLoudness(path);
            if (!facts)
                return std::nullopt;
            return LibraryKeeper::Loudness{facts->integrated, facts->truePeak};
        });
    if (!options.anySoundFile().isEmpty())
        m_mainWindow->showSound(options.anySoundFile());
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
    case ConsoleTask::Kind::IndexSounds:
    case ConsoleTask::Kind::SearchSounds:
        return runIndexTask(task, errors);
    case ConsoleTask::Kind::ExportList:
        break;
    }
    ExportServices services{*m_files,
                            m_services->playback,
                            m_services->sounds,
                            m_services->programDir,
                            name,
                            [](const QStringList& names) { return NameCollator().order(names); }};
    // The files listed are those the main window would list ([Show] All_Sounds).
    QString copyError;
    const DataFileSettings settings(currentProgramPlaces(keys::kMainDirectory, &copyError));
    if (!copyError.isEmpty())
        errors << copyError << Qt::endl;
    services.soundFiles = shownSoundFiles(settings);
    return exportListFromCommandLine(task.list, task.folder, task.force, services, errors);
}

int CTembrelApp::runIndexTask(const ConsoleTask& task, QTextStream& errors) {
    QString copyError;
    const DataFileSettings settings(currentProgramPlaces(keys::kMainDirectory, &copyError));
    if (!copyError.isEmpty())
        errors << copyError << Qt::endl;
    const QString indexFile = indexplaces::indexFile(settings);
    if (task.kind == ConsoleTask::Kind::SearchSounds) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return 1;
        return searchFromCommandLine(indexFile, task.words, out, errors);
    }
    IndexRun run;
    run.indexFile = indexFile;
    run.depth = indexplaces::depth(settings);
    run.wholeCollection = task.folders.isEmpty();
    run.progressLine = errorsGoToTerminal();
    run.collection = indexplaces::topFolders(settings, settings);
    if (run.wholeCollection)
        run.tops = run.collection;
    // A window of this program directory that holds the index does the scan itself.
    run.askWriter = [channel = instanceChannelPath(programdir::withSeparator())](
                        const std::vector<QByteArray>& folders) {
        return askRunningInstanceToRescan(channel, {folders.begin(), folders.end()});
    };
    for (const QString& folder : task.folders)
        run.tops.push_back(indexPath(QFileInfo(folder).absoluteFilePath()));
    return indexFromCommandLine(run, errors);
}
