#pragma once

#include <QObject>

class CommandTable;
class CWavePlayer;
class IBrowserWindow;
class ISoundList;
class IWindowFrame;
struct Services;
struct FeatureContext;
struct SharedParts;

// "Sound Properties": the selected sound's facts, tags, loudness and waveform in a modal window.
class PropertiesCommand : public QObject {
    Q_OBJECT
public:
    // Shows the tags, loudness and strip that context's shared parts offer when it runs.
    PropertiesCommand(CommandTable& commands, const FeatureContext& context);

private:
    void showProperties();

    Services& m_services;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_browser;
    IWindowFrame& m_frame;
    const SharedParts& m_shared;
};
