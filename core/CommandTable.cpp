#include "core/CommandTable.h"

void CommandTable::add(int id, Handler handler) {
    m_handlers[id] = std::move(handler);
}

bool CommandTable::contains(int id) const {
    return m_handlers.contains(id);
}

bool CommandTable::run(int id) const {
    const auto it = m_handlers.find(id);
    if (it == m_handlers.end())
        return false;
    // A copy: the handler may replace itself (or others) while it runs.
    const Handler handler = it->second;
    handler();
    return true;
}
