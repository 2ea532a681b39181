#include "directories/OpenFolderCommand.h"

#include "browser/CTembrelDlg.h"
#include "browser/CommandIds.h"
#include "directories/OpenFolder.h"

void installOpenFolderCommand(CTembrelDlg& window) {
    window.registerCommand(cmd::Open, [&window] {
        if (const std::optional<QString> folder = pickFolderWithSounds(window.services().ui))
            window.setCurrentFolder(*folder);
    });
}
