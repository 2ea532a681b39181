#pragma once

#include <QString>

class CWavePlayer;
class IBrowserWindow;
class ISettings;
class ISoundList;
class IUi;
class IWindowPlacement;
struct MainSettings;

// What the Record command does around its dialog: numbers a new sound after the folder's
// sounds, gets the main window out of the way, and afterwards puts the window back and selects
// the new sound.
class NewRecording {
public:
    struct Take {
        QString file;
        int seconds = 0; // the recording's limit
    };

    NewRecording(IUi& ui, CWavePlayer& player, ISoundList& list, IBrowserWindow& window,
                 IWindowPlacement& placement, const ISettings& settings, MainSettings& startValues);

    // Lists the folder again, chooses the new file and closes the player (a running loop keeps
    // sounding); then minimises the window, or moves it to the corner when "Show_Win" says so.
    Take begin();
    // After Stop: the list shows what was saved and the new sound is selected.
    void saved();
    // After Delete or a device problem.
    void cancelled();

private:
    QString newRecordFile() const;
    void selectNewSound();

    IUi& m_ui;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_window;
    IWindowPlacement& m_placement;
    const ISettings& m_settings;
    MainSettings& m_startValues;
    QString m_recordFile;
};
