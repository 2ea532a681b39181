#pragma once

#include <functional>
#include <map>

// Every command of the program by its identifier (browser/CommandIds.h): each feature adds
// the handlers of its own commands, the main window and its menus run them.
class CommandTable {
public:
    using Handler = std::function<void()>;

    // A later handler for the same identifier replaces the earlier one.
    void add(int id, Handler handler);
    bool contains(int id) const;
    // Runs the handler; false when the identifier has none.
    bool run(int id) const;

private:
    std::map<int, Handler> m_handlers;
};
