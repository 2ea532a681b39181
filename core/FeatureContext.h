#pragma once

class CWavePlayer;
class IBrowserWindow;
class IFolders;
class ILinkOpener;
class IMailTransport;
class IProgramPlaces;
class ISettings;
class ISoundList;
class IWindowFrame;
struct MainSettings;
struct Services;

// The parts of the main window a feature works on.
struct WindowParts {
    ISoundList& list;
    IBrowserWindow& browser;
    IWindowFrame& frame;
};

// What every feature is built with, next to the command table it declares its commands in.
// Every reference outlives the features.
struct FeatureContext {
    Services& services;
    ISettings& settings;
    const IProgramPlaces& places;
    CWavePlayer& player;
    WindowParts window;
    // The window's copy of the settings read at start; new recordings follow its name.
    MainSettings& startValues;
    // How the links in the program's windows open.
    ILinkOpener& links;
    // How folders are renamed.
    IFolders& folders;
    // What a mailed sound goes out through.
    IMailTransport& mail;
};
