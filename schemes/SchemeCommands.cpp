#include "schemes/SchemeCommands.h"

#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/WindowFrame.h"
#include "schemes/AssignSound.h"
#include "schemes/CSchemeBuilderDlg.h"
#include "schemes/EventTable.h"

namespace {

constexpr const char* kBuilderText = "&Belvane";

} // namespace

SchemeCommands::SchemeCommands(CommandTable& commands, const FeatureContext& context)
    : m_context(schemeContext(context.services, context.places)), m_window(context.window.browser),
      m_frame(context.window.frame) {
    for (const EventSlot& slot : kEventSlots)
        commands.declare(
            {slot.commandId, QString::fromUtf8(slot.menuText), {}, [this, &slot] {
                 AssignServices services{m_context.ui, m_context.registry, m_context.soundThemesDir,
                                         m_context.eventSounds};
                 AssignSoundToEvent(EventKeyPath(slot), m_window.currentSoundPath(), services);
             }});
    commands.declare(
        {cmd::SchemeBuilder, QString::fromUtf8(kBuilderText), {}, [this] { openBuilder(); }});
}

void SchemeCommands::declareUnavailable(CommandTable& commands) {
    for (const EventSlot& slot : kEventSlots)
        commands.declare({slot.commandId, QString::fromUtf8(slot.menuText), {}, {}});
    commands.declare({cmd::SchemeBuilder, QString::fromUtf8(kBuilderText), {}, {}});
}

SchemeCommands::~SchemeCommands() {
    delete m_builder;
}

void SchemeCommands::openBuilder() {
    m_window.stopPlayback();
    delete m_builder; // every opening starts with empty rows
    m_builder = new CSchemeBuilderDlg(m_context, m_frame.dialogParent());
    m_builder->setModal(false);
    m_builder->show();
    m_builder->setFolder(m_window.currentFolder());
}

CSchemeBuilderDlg* SchemeCommands::builder() const {
    return m_builder;
}
