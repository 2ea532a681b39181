#include "browser/BrowserCommands.h"

#include "browser/CTembrelDlg.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"

void installBrowserCommands(CommandTable& commands, CTembrelDlg& window) {
    commands.add(cmd::RefreshList, [&window] { window.RefreshList(); });
    commands.add(cmd::Exit, [&window] { window.reject(); });
    commands.add(cmd::Close, [&window] { window.reject(); });
    commands.add(cmd::Minimize, [&window] { window.showMinimized(); });

    commands.add(cmd::Play, [&window] { window.PlayCurrent(); });
    commands.add(cmd::Ok, [&window] { window.PlayCurrent(); });
    commands.add(cmd::Stop, [&window] { window.StopPlayback(); });
    commands.add(cmd::Prev, [&window] { window.playPrevious(); });
    commands.add(cmd::Next, [&window] { window.playNext(); });
    commands.add(cmd::PlayLoop, [&window] { window.playLoop(); });
    commands.add(cmd::PlayAll, [&window] {
        window.playAll();
        window.UpdateStatus();
    });
}
