#pragma once

#include <QString>
#include <QStringList>

class IProcessLauncher;
class IDesktop;
class CWavePlayer;
class ISoundList;
class IBrowserWindow;
class IProgramPlaces;

// The desktop mixer that stands in for the system volume control: its output and input views.
inline const QString kMixerProgram = QStringLiteral("pavucontrol");
inline const QStringList kMixerOutputArgs{QStringLiteral("--tab=3")};
inline const QStringList kMixerInputArgs{QStringLiteral("--tab=4")};
// The help pages' first page.
inline const QString kHelpIndex = QStringLiteral("index.html");

// Hands work to other programs, started directly (never through a shell) and not waited for.
// A program that cannot be started is not reported: the commands behave the same whether or
// not the tool is installed.
class ExternalTools {
public:
    ExternalTools(IProcessLauncher& launcher, IDesktop& desktop, CWavePlayer& player,
                  ISoundList& list, IBrowserWindow& window, const IProgramPlaces& places);

    // Closes the player so the editor can open the file, then starts the editor with the
    // selected sound's path as one argument, whatever blanks the folder or name hold.
    void editSound(const QString& editorPath);
    void openMixer();
    void openRecordingMixer();
    void openHelp();

private:
    IProcessLauncher& m_launcher;
    IDesktop& m_desktop;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_window;
    const IProgramPlaces& m_places;
};
