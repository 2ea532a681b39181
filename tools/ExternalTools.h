#pragma once

#include <QString>
#include <QStringList>

#include "core/SettingsKeys.h"

class IUi;
class IProcessLauncher;
class IDesktop;
class CWavePlayer;
class ISoundList;
class IBrowserWindow;
class IProgramPlaces;
class ISettings;

// The desktop mixer that stands in for the system volume control, its output and input views:
// command lines in the data file (section "Mixer", keys "Output" and "Input"), these when a
// key is missing or empty.
inline const QString kMixerOutputDefault = QStringLiteral("pavucontrol --tab=3");
inline const QString kMixerInputDefault = QStringLiteral("pavucontrol --tab=4");
// The help pages' first page.
inline const QString kHelpIndex = QStringLiteral("index.html");

// Hands work to other programs, started directly (never through a shell) and not waited for.
// A program that cannot be started (not installed, no browser for the help) is named in a box.
class ExternalTools {
public:
    ExternalTools(IUi& ui, IProcessLauncher& launcher, IDesktop& desktop, CWavePlayer& player,
                  ISoundList& list, IBrowserWindow& window, const IProgramPlaces& places,
                  const ISettings& settings);

    // Closes the player so the editor can open the file, then starts the editor with the
    // selected sound's path as one argument, whatever blanks the folder or name hold.
    void editSound(const QString& editorPath);
    void openMixer();
    void openRecordingMixer();
    void openHelp();

private:
    void start(const QString& program, const QStringList& arguments);
    void startMixer(const keys::Text& key, const QString& fallback);
    void reportNotStarted(const QString& what);

    IUi& m_ui;
    IProcessLauncher& m_launcher;
    IDesktop& m_desktop;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_window;
    const IProgramPlaces& m_places;
    const ISettings& m_settings;
};
