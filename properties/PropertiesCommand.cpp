#include "properties/PropertiesCommand.h"

#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/WindowFrame.h"
#include "platform/Services.h"
#include "properties/CSoundPropertiesDlg.h"

PropertiesCommand::PropertiesCommand(CommandTable& commands, const FeatureContext& context)
    : m_services(context.services), m_player(context.player), m_list(context.window.list),
      m_browser(context.window.browser), m_frame(context.window.frame), m_shared(context.shared) {
    commands.declare(
        {cmd::Properties, QStringLiteral("Sound &Properties"), {}, [this] { showProperties(); }});
}

void PropertiesCommand::showProperties() {
    SoundProperties properties = readSoundProperties(
        m_services.files, m_player, m_browser.currentFolder(), m_list.row(m_list.selectedRow()));
    CSoundPropertiesDlg dialog(std::move(properties), m_services.sounds, m_frame.dialogParent(),
                               {&m_player, m_shared.index, m_shared.loudness, m_shared.peaks});
    dialog.exec();
    m_browser.repaint();
}
