#include "operations/ExternalTools.h"

#include "browser/BrowserView.h"
#include "browser/CWavePlayer.h"
#include "browser/Settings.h"
#include "platform/Launcher.h"
#include "platform/ProgramDirectory.h"

ExternalTools::ExternalTools(IProcessLauncher& launcher, IDesktop& desktop, CWavePlayer& player,
                             ISoundList& list, IBrowserWindow& window, const IProgramPlaces& places)
    : m_launcher(launcher), m_desktop(desktop), m_player(player), m_list(list), m_window(window),
      m_places(places) {}

void ExternalTools::editSound(const QString& editorPath) {
    m_player.Close();
    const QString sound =
        pathhelp::soundPath(m_window.currentFolder(), m_list.rowText(m_list.selectedRow()));
    // The editor setting is one program path (it may hold blanks), never a command line.
    (void)m_launcher.startDetached(editorPath, {sound});
    m_window.repaint();
}

void ExternalTools::openMixer() {
    (void)m_launcher.startDetached(kMixerProgram, kMixerOutputArgs);
    m_window.repaint();
}

void ExternalTools::openRecordingMixer() {
    (void)m_launcher.startDetached(kMixerProgram, kMixerInputArgs);
    m_window.repaint();
}

void ExternalTools::openHelp() {
    (void)m_desktop.openDocument(m_places.helpPage(kHelpIndex));
    m_window.repaint();
}
