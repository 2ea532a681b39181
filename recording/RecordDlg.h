#pragma once

#include "platform/Ui.h"
#include "recording/RecordDisplay.h"
#include "recording/RecordWaveRecorder.h"

#include <QBasicTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <memory>

class CGradientBar;
class CVuNeedle;
class QLabel;
class CBitmapButton;
class QSvgRenderer;

inline constexpr int kRecordTickMs = 600; // period of the dialog's progress timer
inline constexpr int kMeterTickMs = 50;   // the level meter and the time follow the input

// The modal Record dialog: starts a new recording as it is built, shows the elapsed time on a
// gradient bar that steps every 600 ms over 1..2R, and ends by Stop (the button, Enter, or by
// itself at the tick that finds the counter above 2R) or by Delete (the button, Escape, or
// closing the window). Stop saves the recording and reports recordDone(); Delete and a device
// that never recorded report recordCancelled(). Both are delivered before the dialog closes.
// While it records, the meter's needle follows the input level and the recorded time counts.
// A device that does not open is reported as soon as the dialog runs, which then ends.
class CRecordDlg : public QDialog {
    Q_OBJECT
public:
    CRecordDlg(const QString& recordFile, int recordSeconds, IUi& ui,
               std::unique_ptr<IRecordingDevice> device, QWidget* parent = nullptr);
    ~CRecordDlg() override;

    // One tick of the 600 ms timer (public so that tests can drive time by hand).
    void timerTick();
    // One step of the meter and the time (public for the same reason).
    void meterTick();
    void stopRecording();
    void deleteRecording();

    const QString& recordFile() const { return m_recordFile; }
    bool isFinished() const { return m_finished; }
    CGradientBar& bar() const { return *m_bar; }
    CBitmapButton& stopButton() const { return *m_stop; }
    CBitmapButton& deleteButton() const { return *m_delete; }
    CVuNeedle& needle() const { return *m_needle; }
    QLabel& timeLabel() const { return *m_time; }

    void accept() override { stopRecording(); }
    void reject() override { deleteRecording(); }

signals:
    void recordDone();
    void recordCancelled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void buildControls();
    void buildMeter();
    void startRecording();
    void reportDeviceProblem();
    void finish(DialogCode code);

    QString m_recordFile;
    int m_recordSeconds;
    IUi& m_ui;
    std::unique_ptr<CWaveRecorder> m_recorder;
    int m_ticks = 0;
    bool m_finished = false;
    QBasicTimer m_timer;
    QBasicTimer m_meterTimer;
    QElapsedTimer m_sinceStart;
    qint64 m_lastMeterMs = 0;
    LevelMeter m_meter;
    QSvgRenderer* m_picture = nullptr;
    CGradientBar* m_bar = nullptr;
    CBitmapButton* m_stop = nullptr;
    CBitmapButton* m_delete = nullptr;
    CVuNeedle* m_needle = nullptr;
    QLabel* m_time = nullptr;
};
