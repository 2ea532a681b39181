#include "directories/FavoritesCommand.h"

#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/WindowFrame.h"
#include "directories/CFavoritesDlg.h"
#include "directories/FavoriteTexts.h"
#include "platform/Services.h"
#include "platform/Ui.h"

#include <QFileInfo>

FavoritesCommand::FavoritesCommand(CommandTable& commands, const FeatureContext& context)
    : m_ui(context.services.ui), m_settings(context.settings), m_places(context.places),
      m_window(context.window.browser), m_frame(context.window.frame) {
    commands.declare(
        {cmd::Favorites, QStringLiteral("&Favorites"), {}, [this] { showFavorites(); }});
}

FavoritesCommand::~FavoritesCommand() {
    delete m_dialog;
}

CFavoritesDlg* FavoritesCommand::dialog() const {
    return m_dialog;
}

void FavoritesCommand::showFavorites() {
    m_window.stopPlayback();
    delete m_dialog;
    m_dialog = new CFavoritesDlg(m_ui, m_settings, m_places, m_frame.dialogParent());
    // Queued: the main window changes folder once the Favorites window has stored and closed.
    connect(m_dialog, &CFavoritesDlg::openFavorite, this, &FavoritesCommand::openFavorite,
            Qt::QueuedConnection);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

// A folder that has gone lists nothing (never the files of another folder), and says so.
void FavoritesCommand::openFavorite() {
    if (!m_dialog)
        return;
    const QString folder = m_dialog->chosenFolder();
    m_window.setCurrentFolder(folder);
    if (!QFileInfo(folder).isDir())
        m_ui.messageBox(kFolderGone.arg(folder), m_ui.appTitle(), MsgButtons::Ok,
                        MsgIcon::Exclamation);
}
