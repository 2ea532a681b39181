#pragma once

class CommandTable;
class CWavePlayer;
class IBrowserWindow;
class IProgramPlaces;
class ISoundList;
class IWindowFrame;
struct Services;

// What the list commands work with; every reference outlives the commands.
struct ListCommandContext {
    Services& services;
    CWavePlayer& player;
    const ISoundList& list;
    const IBrowserWindow& window;
    const IWindowFrame& frame;
    const IProgramPlaces& places;
};

// Adds "As Text File", "As HTML File" and "As WEB Page" of the "Save File List" menu.
void installListCommands(CommandTable& commands, const ListCommandContext& context);
