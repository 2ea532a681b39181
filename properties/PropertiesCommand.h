#pragma once

#include <QObject>

class CommandTable;
class CWavePlayer;
class IBrowserWindow;
class ISoundList;
class IWindowFrame;
struct Services;
class ISoundIndex;
class PeakLoader;
class SoundLoudness;
struct FeatureContext;

// What the Sound Properties window shows besides the sound's own facts; each part may be
// missing, and the window then goes without it.
struct PropertiesParts {
    ISoundIndex* index = nullptr;      // the sound's tags
    SoundLoudness* loudness = nullptr; // its loudness, measured when not known yet
    PeakLoader* peaks = nullptr;       // its waveform strip
};

// "Sound Properties": the selected sound's facts, tags, loudness and waveform in a modal window.
class PropertiesCommand : public QObject {
    Q_OBJECT
public:
    PropertiesCommand(CommandTable& commands, const FeatureContext& context, PropertiesParts parts);

private:
    void showProperties();

    Services& m_services;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_browser;
    IWindowFrame& m_frame;
    PropertiesParts m_parts;
};
