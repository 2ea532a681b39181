#include "core/CommandTable.h"

void CommandTable::declare(Command command) {
    const int id = command.id;
    m_commands.insert_or_assign(id, std::move(command));
}

void CommandTable::takeOver(int id, Handler handler) {
    Command& command = m_commands[id];
    command.id = id;
    command.handler = std::move(handler);
}

const Command* CommandTable::find(int id) const {
    const auto it = m_commands.find(id);
    return it == m_commands.end() ? nullptr : &it->second;
}

bool CommandTable::contains(int id) const {
    const Command* command = find(id);
    return command && command->handler;
}

bool CommandTable::run(int id) const {
    const Command* command = find(id);
    if (!command || !command->handler)
        return false;
    // A copy: the handler may replace itself (or others) while it runs.
    const Handler handler = command->handler;
    handler();
    return true;
}
