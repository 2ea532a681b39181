#include "browser/BrowserCommands.h"

#include "browser/CTembrelDlg.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"

void installBrowserCommands(CommandTable& commands, CTembrelDlg& window) {
    commands.declare({cmd::RefreshList, QStringLiteral("&Refresh List"),
                      QKeyCombination(Qt::Key_F5), [&window] { window.RefreshList(); }});
    commands.declare(
        {cmd::Exit, QStringLiteral("E&xit Program"), {}, [&window] { window.reject(); }});
    commands.declare({cmd::Close, {}, {}, [&window] { window.reject(); }});
    commands.declare({cmd::Minimize, {}, {}, [&window] { window.showMinimized(); }});

    commands.declare({cmd::Play, QStringLiteral("&Play"), {}, [&window] { window.PlayCurrent(); }});
    commands.declare({cmd::Ok, {}, {}, [&window] { window.PlayCurrent(); }});
    commands.declare(
        {cmd::Stop, QStringLiteral("&Stop"), {}, [&window] { window.StopPlayback(); }});
    commands.declare(
        {cmd::Prev, QStringLiteral("P&revious"), {}, [&window] { window.playPrevious(); }});
    commands.declare({cmd::Next, QStringLiteral("&Next"), {}, [&window] { window.playNext(); }});
    commands.declare({cmd::PlayLoop, {}, {}, [&window] { window.playLoop(); }});
    commands.declare({cmd::PlayAll, QStringLiteral("Play A&ll Sounds"), {}, [&window] {
                          window.playAll();
                          window.UpdateStatus();
                      }});
}
