#include "directories/OpenFolderCommand.h"

#include "browser/BrowserView.h"
#include "browser/CommandIds.h"
#include "browser/CommandTable.h"
#include "directories/OpenFolder.h"

void installOpenFolderCommand(CommandTable& commands, IUi& ui, IBrowserWindow& window) {
    commands.add(cmd::Open, [&ui, &window] {
        if (const std::optional<QString> folder = pickFolderWithSounds(ui))
            window.setCurrentFolder(*folder);
    });
}
