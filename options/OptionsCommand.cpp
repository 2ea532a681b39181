#include "options/OptionsCommand.h"

#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/FolderScan.h"
#include "core/Settings.h"
#include "core/WindowFrame.h"
#include "options/CPPage1.h"
#include "options/CPPage5.h"
#include "options/CPropSheet.h"
#include "options/MainDirectoryChange.h"
#include "platform/Launcher.h"
#include "platform/Services.h"

#include <QCheckBox>

OptionsCommand::OptionsCommand(CommandTable& commands, const FeatureContext& context)
    : m_context{context.settings, context.services.ui, context.places, context.links},
      m_folders(context.folders), m_desktop(context.services.desktop),
      m_browser(context.window.browser), m_frame(context.window.frame) {
    commands.declare({cmd::Options, QStringLiteral("Program &Options"), {}, [this] { run(); }});
}

void OptionsCommand::run() {
    ISettings& settings = m_context.settings;
    const QString oldName =
        readReported(settings, m_context.ui, keys::kMainDirectory, MsgIcon::None);
    const QString editor = readReported(settings, m_context.ui, keys::kEditor, MsgIcon::None);
    CPropSheet sheet(
        m_context, [this] { openHelp(); }, m_frame.dialogParent());
    sheet.general().setMainDirectoryName(oldName);
    sheet.general().setEditorPath(editor);
    // The box is stored the moment it changes, and the list follows it at once.
    QObject::connect(&sheet.misc().allSoundsBox(), &QAbstractButton::clicked, &sheet,
                     [this] { m_browser.showSoundFiles(shownSoundFiles(m_context.settings)); });
    if (sheet.exec() == QDialog::Accepted) {
        MainDirectoryChange change(settings, m_context.places, m_folders, m_context.ui);
        if (change.rename(oldName, sheet.general().mainDirectoryName().trimmed()))
            m_browser.setCurrentFolder(m_context.places.mainDirectory());
        change.storeEditor(sheet.general().editorPath());
    }
    m_browser.repaint();
}

void OptionsCommand::openHelp() {
    (void)m_desktop.openDocument(m_context.places.helpPage(QStringLiteral("options.html")));
}
