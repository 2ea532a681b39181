#pragma once

#include "platform/audio/AudioDevices.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class CommandTable;
class CRecordDlg;
class CWavePlayer;
class IBrowserWindow;
class ISettings;
class ISoundList;
class IUi;
class IWindowFrame;
struct MainSettings;

// The main window's Record command: numbers a new sound after the folder's sounds, gets the
// main window out of the way, runs the Record dialog and afterwards puts the window back and
// selects the new sound. Lives as long as the main window and keeps the last dialog until the
// next recording.
class RecordCommand : public QObject {
    Q_OBJECT
public:
    using RecorderFactory = std::function<std::unique_ptr<IRecordingDevice>()>;

    RecordCommand(CommandTable& commands, IUi& ui, RecorderFactory makeRecorder,
                  CWavePlayer& player, ISoundList& list, IBrowserWindow& window,
                  IWindowFrame& frame, const ISettings& settings, MainSettings& startValues);
    ~RecordCommand() override;

    void run();
    CRecordDlg* dialog() const { return m_dialog.get(); }

private:
    QString newRecordFile() const;
    void getWindowOutOfTheWay();
    void restoreWindow();
    void onRecordDone();
    void onRecordCancelled();
    void selectNewSound();

    IUi& m_ui;
    RecorderFactory m_makeRecorder;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_window;
    IWindowFrame& m_frame;
    const ISettings& m_settings;
    MainSettings& m_startValues;
    std::unique_ptr<CRecordDlg> m_dialog;
    QString m_recordFile;
    bool m_minimise = true;
};
