#include "operations/ExternalTools.h"

#include "browser/BrowserView.h"
#include "browser/CWavePlayer.h"
#include "browser/Settings.h"
#include "platform/Launcher.h"
#include "platform/ProgramDirectory.h"
#include "platform/Ui.h"

ExternalTools::ExternalTools(IUi& ui, IProcessLauncher& launcher, IDesktop& desktop,
                             CWavePlayer& player, ISoundList& list, IBrowserWindow& window,
                             const IProgramPlaces& places)
    : m_ui(ui), m_launcher(launcher), m_desktop(desktop), m_player(player), m_list(list),
      m_window(window), m_places(places) {}

void ExternalTools::editSound(const QString& editorPath) {
    m_player.Close();
    const QString sound =
        pathhelp::soundPath(m_window.currentFolder(), m_list.rowText(m_list.selectedRow()));
    // The editor setting is one program path (it may hold blanks), never a command line.
    start(editorPath, {sound});
    m_window.repaint();
}

void ExternalTools::openMixer() {
    start(kMixerProgram, kMixerOutputArgs);
    m_window.repaint();
}

void ExternalTools::openRecordingMixer() {
    start(kMixerProgram, kMixerInputArgs);
    m_window.repaint();
}

void ExternalTools::openHelp() {
    const QString page = m_places.helpPage(kHelpIndex);
    if (!m_desktop.openDocument(page))
        reportNotStarted(QStringLiteral("a web browser for the help page \"%1\"").arg(page));
    m_window.repaint();
}

void ExternalTools::start(const QString& program, const QStringList& arguments) {
    if (!m_launcher.startDetached(program, arguments))
        reportNotStarted(QStringLiteral("\"%1\"").arg(program));
}

void ExternalTools::reportNotStarted(const QString& what) {
    m_ui.messageBox(QStringLiteral("Could not start %1. Is it installed?").arg(what),
                    m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}
