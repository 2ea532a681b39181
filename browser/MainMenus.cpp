#include "browser/MainMenus.h"

#include "browser/CAboutDlg.h"
#include "browser/CTembrelDlg.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"

#include <QCursor>
#include <QMenu>

namespace {

constexpr MenuEntry command(const char* text, int id) {
    return {MenuEntry::Command, text, id, {}};
}
constexpr MenuEntry kSeparator{MenuEntry::Separator, nullptr, 0, {}};
constexpr MenuEntry subMenu(const char* text, std::span<const MenuEntry> items) {
    return {MenuEntry::SubMenu, text, 0, items};
}

constexpr MenuEntry kFileList[] = {
    command("As &Text File", cmd::TextList),
    command("As &HTML File", cmd::HtmlList),
    command("As &WEB Page", cmd::WebPage),
};

constexpr MenuEntry kTools[] = {
    command("&Belvane", cmd::SchemeBuilder),
    command("Send Sound &By E-Mail", cmd::SendMail),
};

constexpr MenuEntry kAssign[] = {
    command("&Default Sound", 32784), command("Start &Windows", 32786),
    command("&Exit Windows", 32785),  command("&Menu Popup", 32783),
    command("M&enu Command", 32787),  command("M&aximize", 32788),
    command("M&inimize", 32789),      command("Restore &Up", 32790),
    command("Restore &Down", 32791),  command("&Open Program", 32792),
    command("&Close Program", 32793), command("Mail &Notification", 32794),
};

constexpr MenuEntry kPopup0[] = {
    command("&Tembrel...", cmd::About),
    kSeparator,
    command("&Favorites", cmd::Favorites),
    command("&Refresh List", cmd::RefreshList),
    command("Play A&ll Sounds", cmd::PlayAll),
    subMenu("Save &File List", kFileList),
    subMenu("&Tools", kTools),
    kSeparator,
    subMenu("&Assign Sound...", kAssign),
    kSeparator,
    command("&Edit Current Sound", cmd::EditSound),
    command("Sound &Properties", cmd::Properties),
    command("Program &Options", cmd::Options),
    kSeparator,
    command("E&xit Program", cmd::Exit),
};

constexpr MenuEntry kPopup1[] = {
    command("&Delete Sound", cmd::Delete),
    command("I&nsert Sound", cmd::Insert),
    command("&Rename Sound", cmd::Rename),
    command("&Copy to...", cmd::CopyTo),
    kSeparator,
    command("&Play", cmd::Play),
    command("&Next", cmd::Next),
    command("P&revious", cmd::Prev),
    command("&Stop", cmd::Stop),
    command("&Record", cmd::Record),
    kSeparator,
    command("Sound &Properties", cmd::Properties),
};

void addEntries(QMenu& menu, std::span<const MenuEntry> entries,
                const std::function<bool(int)>& hasHandler) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Separator:
            menu.addSeparator();
            break;
        case MenuEntry::SubMenu:
            addEntries(*menu.addMenu(QString::fromUtf8(entry.text)), entry.items, hasHandler);
            break;
        case MenuEntry::Command: {
            QAction* action = menu.addAction(QString::fromUtf8(entry.text));
            action->setData(entry.id);
            action->setEnabled(hasHandler(entry.id));
            break;
        }
        }
    }
}

} // namespace

std::span<const MenuEntry> popupEntries(int popup) {
    return popup == kContextPopup ? std::span<const MenuEntry>(kPopup1)
                                  : std::span<const MenuEntry>(kPopup0);
}

std::unique_ptr<QMenu> buildPopupMenu(int popup, const std::function<bool(int)>& hasHandler,
                                      QWidget* parent) {
    auto menu = std::make_unique<QMenu>(parent);
    addEntries(*menu, popupEntries(popup), hasHandler);
    return menu;
}

void showPopupMenu(CTembrelDlg& window, int popup, QPoint screenPosition) {
    std::unique_ptr<QMenu> menu = buildPopupMenu(
        popup, [&window](int id) { return window.hasCommand(id); }, &window);
    const QAction* chosen = menu->exec(screenPosition);
    const int id = chosen ? chosen->data().toInt() : 0;
    menu.reset();
    window.UpdateStatus();
    if (id != 0)
        window.onCommand(id);
}

void installMainMenus(CommandTable& commands, CTembrelDlg& window, ILinkOpener& links, IUi& ui) {
    commands.add(cmd::Menu, [&window] { showPopupMenu(window, kMenuPopup, QCursor::pos()); });
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&window, &QWidget::customContextMenuRequested, &window,
                     [&window](const QPoint& position) {
                         showPopupMenu(window, kContextPopup, window.mapToGlobal(position));
                     });
    commands.add(cmd::About, [&window, &links, &ui] { showAboutHidingWindow(window, links, ui); });
    commands.add(kSystemAboutCommand, [&window, &links, &ui] { showAbout(window, links, ui); });
}
