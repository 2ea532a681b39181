#include "directories/OpenFolder.h"

#include "core/FolderScan.h"
#include "platform/Ui.h"

std::optional<QString> pickFolderWithSounds(IUi& ui, SoundFiles which) {
    for (;;) {
        const std::optional<QString> folder =
            ui.browseForFolder(FolderRequest{kMyComputer, kOpenFolderInstruction});
        if (!folder)
            return std::nullopt;
        if (!scanSoundFolder(*folder, which).names.isEmpty())
            return folder;
        ui.messageBox(which == SoundFiles::All ? kNoSoundFilesText : kNoWavFilesText, ui.appTitle(),
                      MsgButtons::Ok, MsgIcon::None);
    }
}
