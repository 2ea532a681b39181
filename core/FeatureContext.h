#pragma once

class CWavePlayer;
class IBrowserWindow;
class IProgramPlaces;
class ISettings;
class ISoundList;
class IWindowFrame;
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
};
