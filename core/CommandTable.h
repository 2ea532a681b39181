#pragma once

#include <QKeyCombination>
#include <QString>
#include <functional>
#include <map>

// One command of the program as its feature declares it: the identifier (core/CommandIds.h),
// its menu text ("&" marks the mnemonic; empty for a command no menu shows), its key (none when
// left empty) and what it does. A command without a handler is known but unavailable: menus
// show it disabled.
struct Command {
    int id = 0;
    QString menuText;
    QKeyCombination key;
    std::function<void()> handler;

    bool hasKey() const { return key.key() != Qt::Key_unknown; }
};

// Every command of the program by its identifier: each feature declares its own commands,
// the main window builds its menus and keys from them and runs the handlers.
class CommandTable {
public:
    using Handler = std::function<void()>;

    // A later declaration for the same identifier replaces the earlier one.
    void declare(Command command);
    // Gives a declared command another handler, keeping its text and key (a feature that takes
    // over what an earlier one does); an undeclared one is declared without text or key.
    void takeOver(int id, Handler handler);
    // The declaration, or null when the identifier has none.
    const Command* find(int id) const;
    // True when the identifier has a handler.
    bool contains(int id) const;
    // Runs the handler; false when the identifier has none.
    bool run(int id) const;
    const std::map<int, Command>& all() const { return m_commands; }

private:
    std::map<int, Command> m_commands;
};
