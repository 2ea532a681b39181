#include "browser/MainMenus.h"

#include "browser/CAboutDlg.h"
#include "browser/CTembrelDlg.h"
#include "browser/CommandActions.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "widgets/CBitmapButton.h"

#include <QCursor>
#include <QMenu>

namespace {

constexpr MenuEntry command(int id) {
    return {MenuEntry::Command, id, nullptr, {}};
}
constexpr MenuEntry kSeparator{MenuEntry::Separator, 0, nullptr, {}};
constexpr MenuEntry subMenu(const char* text, std::span<const MenuEntry> items) {
    return {MenuEntry::SubMenu, 0, text, items};
}

constexpr MenuEntry kFileList[] = {
    command(cmd::TextList),
    command(cmd::HtmlList),
    command(cmd::WebPage),
};

constexpr MenuEntry kTools[] = {
    command(cmd::SchemeBuilder),
    command(cmd::SendMail),
};

constexpr MenuEntry kAssign[] = {
    command(cmd::AssignDefaultSound), command(cmd::AssignStartWindows),
    command(cmd::AssignExitWindows),  command(cmd::AssignMenuPopup),
    command(cmd::AssignMenuCommand),  command(cmd::AssignMaximize),
    command(cmd::AssignMinimize),     command(cmd::AssignRestoreUp),
    command(cmd::AssignRestoreDown),  command(cmd::AssignOpenProgram),
    command(cmd::AssignCloseProgram), command(cmd::AssignMailNotification),
};

constexpr MenuEntry kPopup0[] = {
    command(cmd::About),
    kSeparator,
    command(cmd::Favorites),
    command(cmd::RefreshList),
    command(cmd::PlayAll),
    subMenu("Save &File List", kFileList),
    subMenu("&Tools", kTools),
    kSeparator,
    subMenu("&Assign Sound...", kAssign),
    kSeparator,
    command(cmd::EditSound),
    command(cmd::Properties),
    command(cmd::Options),
    kSeparator,
    command(cmd::Exit),
};

constexpr MenuEntry kPopup1[] = {
    command(cmd::Delete),    command(cmd::Insert), command(cmd::Rename),
    command(cmd::CopyTo),    kSeparator,           command(cmd::Play),
    command(cmd::Next),      command(cmd::Prev),   command(cmd::Stop),
    command(cmd::Record),    kSeparator,           command(cmd::Properties),
    command(cmd::SoundTags),
};

void addEntries(QMenu& menu, std::span<const MenuEntry> entries, const CommandTable& commands) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Separator:
            menu.addSeparator();
            break;
        case MenuEntry::SubMenu:
            addEntries(*menu.addMenu(QString::fromUtf8(entry.text)), entry.items, commands);
            break;
        case MenuEntry::Command:
            if (const Command* declared = commands.find(entry.id)) {
                QAction* action = makeCommandAction(*declared, &menu);
                action->setEnabled(commands.contains(entry.id));
                menu.addAction(action);
            }
            break;
        }
    }
}

// At the pointer for a click on the Menu button; under the button when a key opened it.
QPoint menuPosition(CTembrelDlg& window) {
    const CBitmapButton* button = window.button(cmd::Menu);
    if (!button || button->underMouse())
        return QCursor::pos();
    return button->mapToGlobal(QPoint(0, button->height()));
}

} // namespace

std::span<const MenuEntry> popupEntries(int popup) {
    return popup == kContextPopup ? std::span<const MenuEntry>(kPopup1)
                                  : std::span<const MenuEntry>(kPopup0);
}

std::unique_ptr<QMenu> buildPopupMenu(int popup, const CommandTable& commands, QWidget* parent) {
    auto menu = std::make_unique<QMenu>(parent);
    addEntries(*menu, popupEntries(popup), commands);
    return menu;
}

void showPopupMenu(CTembrelDlg& window, int popup, QPoint screenPosition) {
    std::unique_ptr<QMenu> menu = buildPopupMenu(popup, window.commands(), &window);
    const QAction* chosen = menu->exec(screenPosition);
    const int id = chosen ? chosen->data().toInt() : 0;
    menu.reset();
    window.UpdateStatus();
    if (id != 0)
        window.onCommand(id);
}

void installMainMenus(CommandTable& commands, CTembrelDlg& window, ILinkOpener& links, IUi& ui) {
    commands.declare({cmd::Menu, {}, QKeyCombination(Qt::Key_F10), [&window] {
                          showPopupMenu(window, kMenuPopup, menuPosition(window));
                      }});
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&window, &QWidget::customContextMenuRequested, &window,
                     [&window](const QPoint& position) {
                         showPopupMenu(window, kContextPopup, window.mapToGlobal(position));
                     });
    commands.declare({cmd::About, QStringLiteral("&Tembrel..."), {}, [&window, &links, &ui] {
                          showAboutHidingWindow(window, links, ui);
                      }});
    commands.declare(
        {kSystemAboutCommand, {}, {}, [&window, &links, &ui] { showAbout(window, links, ui); }});
}
