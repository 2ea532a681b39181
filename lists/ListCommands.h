#pragma once

class CommandTable;
struct FeatureContext;

// Adds "As Text File", "As HTML File" and "As WEB Page" of the "Save File List" menu.
void installListCommands(CommandTable& commands, const FeatureContext& context);
