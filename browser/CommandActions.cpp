#include "browser/CommandActions.h"

#include "browser/CTembrelDlg.h"
#include "core/CommandTable.h"

#include <QAction>

QAction* makeCommandAction(const Command& command, QObject* parent) {
    auto* action = new QAction(command.menuText, parent);
    action->setData(command.id);
    if (command.hasKey()) {
        action->setShortcut(QKeySequence(command.key));
        action->setShortcutVisibleInContextMenu(true);
    }
    return action;
}

void installCommandKeys(CTembrelDlg& window, const CommandTable& commands) {
    for (const auto& [id, command] : commands.all()) {
        if (!command.hasKey())
            continue;
        QAction* action = makeCommandAction(command, &window);
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, commandId = id] { window.onCommand(commandId); });
    }
}
