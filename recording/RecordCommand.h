#pragma once

#include "platform/audio/AudioDevices.h"
#include "recording/NewRecording.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class CommandTable;
struct FeatureContext;
class CRecordDlg;
class CWavePlayer;
class IBrowserWindow;
class ISettings;
class ISoundList;
class IUi;
class IWindowFrame;

// The main window's Record command: runs the Record dialog inside a NewRecording. Lives as
// long as the main window and keeps the last dialog until the next recording.
class RecordCommand : public QObject {
    Q_OBJECT
public:
    using RecorderFactory = std::function<std::unique_ptr<IRecordingDevice>()>;

    RecordCommand(CommandTable& commands, const FeatureContext& context);
    ~RecordCommand() override;

    void run();
    CRecordDlg* dialog() const { return m_dialog.get(); }

private:
    IUi& m_ui;
    RecorderFactory m_makeRecorder;
    NewRecording m_recording;
    std::unique_ptr<CRecordDlg> m_dialog;
};
