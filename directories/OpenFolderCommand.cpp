#include "directories/OpenFolderCommand.h"

#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/FolderScan.h"
#include "core/WindowFrame.h"
#include "directories/CAddFavoriteDlg.h"
#include "directories/OpenFolder.h"
#include "platform/Services.h"

void installOpenFolderCommand(CommandTable& commands, const FeatureContext& context) {
    IUi& ui = context.services.ui;
    IBrowserWindow& window = context.window.browser;
    ISettings& settings = context.settings;
    IWindowFrame& frame = context.window.frame;
    // No menu shows it: the Open button and Ctrl+O do.
    commands.declare({cmd::Open,
                      {},
                      QKeyCombination(Qt::ControlModifier, Qt::Key_O),
                      [&ui, &window, &settings, &frame] {
                          const std::optional<QString> folder =
                              pickFolderWithSounds(ui, shownSoundFiles(settings));
                          if (!folder)
                              return;
                          window.setCurrentFolder(*folder);
                          if (addFavoritePromptWanted(settings)) {
                              CAddFavoriteDlg prompt(*folder, settings, ui, frame.dialogParent());
                              prompt.exec();
                          }
                          window.refreshList();
                      }});
}
