#pragma once

#include <QStringList>

// How the program was asked to start.
struct StartOptions {
    bool schemeBuilderOnly = false; // first plain argument is exactly "blv"
    bool showSplash = true;         // off with the "Embedding" or "Automation" switch
};

// Switches start with "/" or "-"; the first argument that is not a switch is the word that
// selects the start mode. arguments excludes the program name.
StartOptions parseStartOptions(const QStringList& arguments);
