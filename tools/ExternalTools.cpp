#include "tools/ExternalTools.h"

#include "core/BrowserView.h"
#include "core/CWavePlayer.h"
#include "core/Settings.h"
#include "platform/Launcher.h"
#include "platform/ProgramDirectory.h"
#include "platform/SettingsStore.h"
#include "platform/Ui.h"

#include <QProcess>

ExternalTools::ExternalTools(IUi& ui, IProcessLauncher& launcher, IDesktop& desktop,
                             CWavePlayer& player, ISoundList& list, IBrowserWindow& window,
                             const IProgramPlaces& places, const ISettings& settings)
    : m_ui(ui), m_launcher(launcher), m_desktop(desktop), m_player(player), m_list(list),
      m_window(window), m_places(places), m_settings(settings) {}

void ExternalTools::editSound(const QString& editorPath) {
    m_player.Close();
    const QString sound =
        pathhelp::join(m_window.currentFolder(), m_list.row(m_list.selectedRow()).file);
    // The editor setting is one program path (it may hold blanks), never a command line.
    start(editorPath, {sound});
    m_window.repaint();
}

// The setting is a command line: split into words at blanks (double quotes keep blanks),
// but started directly, never through a shell.
void ExternalTools::startMixer(const keys::Text& key, const QString& fallback) {
    QString command = m_settings.read(key);
    if (command == settings::kMissing || command.trimmed().isEmpty())
        command = fallback;
    QStringList words = QProcess::splitCommand(command);
    if (!words.isEmpty()) {
        const QString program = words.takeFirst();
        start(program, words);
    }
    m_window.repaint();
}

void ExternalTools::openMixer() {
    startMixer(keys::kOutputMixer, kMixerOutputDefault);
}

void ExternalTools::openRecordingMixer() {
    startMixer(keys::kInputMixer, kMixerInputDefault);
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
