#include "directories/OpenFolder.h"

#include "core/FolderScan.h"
#include "platform/Ui.h"

std::optional<QString> pickFolderWithSounds(IUi& ui) {
    for (;;) {
        const std::optional<QString> folder =
            ui.browseForFolder(FolderRequest{kMyComputer, kOpenFolderInstruction});
        if (!folder)
            return std::nullopt;
        if (!scanWavFolder(*folder).names.isEmpty())
            return folder;
        ui.messageBox(kNoWavFilesText, ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
    }
}
