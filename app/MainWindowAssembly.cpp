#include "app/MainWindowAssembly.h"

#include "browser/BrowsePreview.h"
#include "browser/BrowserCommands.h"
#include "browser/CTembrelDlg.h"
#include "browser/MainKeys.h"
#include "browser/MainMenus.h"
#include "browser/MainWindowView.h"
#include "browser/StartSound.h"
#include "core/CWavePlayer.h"
#include "core/FeatureContext.h"
#include "core/FolderScan.h"
#include "directories/FavoritesCommand.h"
#include "directories/OpenFolderCommand.h"
#include "files/OperationCommands.h"
#include "library/EvenLoudness.h"
#include "library/IndexScanner.h"
#include "library/SearchCommand.h"
#include "library/SoundLoudness.h"
#include "lists/ListCommands.h"
#include "mail/SendMailCommand.h"
#include "options/OptionsCommand.h"
#include "platform/RegistryFileStore.h"
#include "platform/SendmailTransport.h"
#include "platform/Services.h"
#include "properties/PropertiesCommand.h"
#include "recording/RecordCommand.h"
#include "schemes/SchemeCommands.h"
#include "waveform/PeakLoader.h"
#include "waveform/RegionDragOut.h"
#include "waveform/RegionSaver.h"
#include "waveform/StripFeature.h"
#include "waveform/StripPlayback.h"
#include "waveform/WaveStrip.h"
#include "widgets/SortedListBox.h"

MainWindowAssembly::MainWindowAssembly(Services& services)
    : MainWindowAssembly(services, placesInProgramDir(services.programDir)) {}

MainWindowAssembly::MainWindowAssembly(Services& services, const ProgramPlaces& places)
    : m_services(services), m_settings(places),
      m_startValues(readMainSettings(m_settings, services.ui)),
      m_links(services.desktop, m_htmlProgram, services.launcher) {
    m_window = std::make_unique<CTembrelDlg>(m_startValues, m_settings, m_commands, services);
    m_view = std::make_unique<MainWindowView>(*m_window);
    installFeatures();
}

// The player goes with the window, after the gain it was given.
MainWindowAssembly::~MainWindowAssembly() {
    if (m_window)
        m_window->player().setPlayGain(nullptr);
}

void MainWindowAssembly::showSound(const QString& path) {
    // A sound of a type the window does not list is not shown, as if it were not named.
    if (!isSoundFileName(path, shownSoundFiles(m_settings)))
        return;
    showStartSound(path, m_services.files, *m_view, *m_view, m_services.ui);
}

// One line a feature; each declares its own commands in the table.
void MainWindowAssembly::installFeatures() {
    MainWindowView& view = *m_view;
    m_mailTransport = std::make_unique<SendmailTransport>(
        [&settings = m_settings] { return mailCommand(settings); });
    const FeatureContext context{m_services,         m_settings,    m_settings, m_window->player(),
                                 {view, view, view}, m_startValues, m_links,    m_folders,
                                 *m_mailTransport,   m_shared};
    installBrowserCommands(m_commands, *m_window);
    m_recording = std::make_unique<RecordCommand>(m_commands, context);
    installListCommands(m_commands, context);
    m_operations = std::make_unique<OperationCommands>(m_commands, context);
    m_window->setDropHandler([operations = m_operations.get()](const QStringList& files) {
        operations->insertDropped(files);
    });
    m_sendMail = std::make_unique<SendMailCommand>(m_commands, context);
    installOpenFolderCommand(m_commands, context);
    m_favorites = std::make_unique<FavoritesCommand>(m_commands, context);
    installMainMenus(m_commands, *m_window, m_links, m_services.ui);
    m_options = std::make_unique<OptionsCommand>(m_commands, context);
    if (m_services.registry)
        m_schemes = std::make_unique<SchemeCommands>(m_commands, context);
    else
        SchemeCommands::declareUnavailable(m_commands);
    installMainKeys(*m_window);
    installBrowsePreview(*m_window, m_settings);
    installWaveStrip();
    // Over the list as it is once the strip below it has taken its place.
    m_search = std::make_unique<SearchCommand>(m_commands, context);
    // The folder watch tells the index which folder to bring up to date.
    QObject::connect(m_window.get(), &CTembrelDlg::folderChangedOnDisk, &m_search->keeper(),
                     [keeper = &m_search->keeper()](const QString& folder) {
                         keeper->rescanFolders({indexPath(folder)});
                     });
    installLoudness();
    m_shared.index = m_search->keeper().index();
    m_shared.loudness = m_loudness.get();
    m_properties = std::make_unique<PropertiesCommand>(m_commands, context);
}

// The loudness the index keeps, measured here when a window or a play needs it first; with
// "Play every sound at the same loudness" every play takes its gain from it.
void MainWindowAssembly::installLoudness() {
    m_loudness =
        std::make_unique<SoundLoudness>(m_search->keeper().index(), m_services.measureLoudness);
    m_evenLoudness = std::make_unique<EvenLoudness>(m_settings, *m_loudness);
    m_window->player().setPlayGain(m_evenLoudness.get());
}

// Under the list: the selected sound's outline, read on a worker and kept in the user's cache.
void MainWindowAssembly::installWaveStrip() {
    if (!m_services.peakReader)
        return;
    constexpr int kStripHeight = 36;
    m_peakCache = std::make_unique<PeakCache>(PeakCache::defaultFolder());
    m_peakLoader = std::make_unique<PeakLoader>(*m_services.peakReader, *m_peakCache);
    m_shared.peaks = m_peakLoader.get();
    auto* strip = new WaveStrip(m_window.get());
    m_window->addBottomStrip(*strip, kStripHeight);
    m_strip = std::make_unique<StripFeature>(*strip, *m_peakLoader, *m_view, *m_view);
    QObject::connect(&m_window->list(), &SortedListBox::currentSelectionChanged, m_strip.get(),
                     &StripFeature::showSelected);
    QObject::connect(m_window.get(), &CTembrelDlg::listReplaced, m_strip.get(),
                     &StripFeature::showSelected);
    m_strip->showSelected();
    CTembrelDlg* window = m_window.get();
    m_stripPlayback = std::make_unique<StripPlayback>(
        m_commands, *strip, window->player(), m_services.ui, m_services.soundCutter,
        StripPlayback::WholeSound{[feature = m_strip.get()] { return feature->selectedPath(); },
                                  [window] { window->PlayCurrent(); },
                                  [window] { window->playLoop(); },
                                  [window] { window->StopPlayback(); }});
    if (!m_services.soundCutter)
        return;
    m_regionSaver = std::make_unique<RegionSaver>(
        *m_services.soundCutter, m_services.ui,
        [operations = m_operations.get()](const QString& source, const QString& name) {
            operations->insertUnderAskedName(source, name);
        });
    QObject::connect(strip, &WaveStrip::saveRegionRequested, m_strip.get(), [this, strip] {
        if (const auto region = strip->state().region())
            m_regionSaver->save(m_strip->selectedPath(), *region);
    });
    m_regionDrag = std::make_unique<RegionDragOut>(
        *strip, *m_services.soundCutter, m_services.ui,
        [feature = m_strip.get()] { return feature->selectedPath(); });
}
