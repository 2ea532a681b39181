#pragma once

#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/Settings.h"
#include "platform/Folders.h"
#include "platform/LinkOpener.h"
#include "platform/XdgHtmlProgram.h"

#include <memory>

class CTembrelDlg;
class EvenLoudness;
class PropertiesCommand;
class SoundLoudness;
class PeakCache;
class PeakLoader;
class StripFeature;
class StripPlayback;
class RegionDragOut;
class RegionSaver;
class FavoritesCommand;
class MainWindowView;
class OperationCommands;
class OptionsCommand;
class RecordCommand;
class SendMailCommand;
class IMailTransport;
class SchemeCommands;
class SearchCommand;
struct Services;

// The main window with every feature wired to it: the settings facade, the command table, the
// window and, one line each, the features that add their commands. The application object
// builds one over the real services; tests build one over doubles.
class MainWindowAssembly {
public:
    // Reads the settings the window takes at start (each missing one reported in order), scans
    // the main directory and builds the window and its features.
    explicit MainWindowAssembly(Services& services);
    // The same with the data file and the collection where places say.
    MainWindowAssembly(Services& services, const ProgramPlaces& places);
    ~MainWindowAssembly();

    CTembrelDlg& window() { return *m_window; }
    // Shows a sound file's folder with the sound selected (a file named at start).
    void showSound(const QString& path);
    DataFileSettings& settings() { return m_settings; }
    MainSettings& startValues() { return m_startValues; }
    FavoritesCommand& favorites() { return *m_favorites; }
    SearchCommand& search() { return *m_search; }

private:
    void installFeatures();
    void installWaveStrip();
    void installLoudness();

    Services& m_services;
    DataFileSettings m_settings;
    MainSettings m_startValues;
    XdgHtmlProgram m_htmlProgram;
    LinkOpener m_links;
    LocalFolders m_folders;
    CommandTable m_commands;
    // The strip's outlines: the worker goes before the cache it writes to.
    std::unique_ptr<PeakCache> m_peakCache;
    std::unique_ptr<PeakLoader> m_peakLoader;
    std::unique_ptr<CTembrelDlg> m_window;
    std::unique_ptr<MainWindowView> m_view;
    // Mail goes through the data file's sendmail-compatible program.
    std::unique_ptr<IMailTransport> m_mailTransport;
    SharedParts m_shared;
    // Features: they go before the window they were wired to.
    std::unique_ptr<RecordCommand> m_recording;
    std::unique_ptr<OperationCommands> m_operations;
    std::unique_ptr<SendMailCommand> m_sendMail;
    std::unique_ptr<SchemeCommands> m_schemes;
    std::unique_ptr<FavoritesCommand> m_favorites;
    std::unique_ptr<OptionsCommand> m_options;
    std::unique_ptr<StripFeature> m_strip;
    std::unique_ptr<StripPlayback> m_stripPlayback;
    std::unique_ptr<RegionSaver> m_regionSaver;
    std::unique_ptr<RegionDragOut> m_regionDrag;
    std::unique_ptr<SearchCommand> m_search;
    std::unique_ptr<SoundLoudness> m_loudness;
    std::unique_ptr<EvenLoudness> m_evenLoudness;
    std::unique_ptr<PropertiesCommand> m_properties;
};
