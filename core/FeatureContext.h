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
class ISoundIndex;
class PeakLoader;
class SoundLoudness;
struct MainSettings;
struct Services;

// The parts of the main window a feature works on.
struct WindowParts {
    ISoundList& list;
    IBrowserWindow& browser;
    IWindowFrame& frame;
};

// What some features make for others, set as the features that make them are built. Each may
// stay missing (no index without its database, no outlines without a peak reader), and a
// feature then goes without it; features look here when a command runs, not when built.
struct SharedParts {
    ISoundIndex* index = nullptr;      // the collection's index: tags, search
    SoundLoudness* loudness = nullptr; // loudness, measured when not known yet
    PeakLoader* peaks = nullptr;       // sound outlines for waveform strips
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
    const SharedParts& shared;
};
