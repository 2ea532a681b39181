#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>

class CTembrelDlg;
class CRecordDlg;

// The main window's Record command: numbers a new sound after the folder's sounds, gets the
// main window out of the way, runs the Record dialog and afterwards puts the window back and
// selects the new sound. Lives as long as the main window and keeps the last dialog until the
// next recording.
class RecordCommand : public QObject {
    Q_OBJECT
public:
    explicit RecordCommand(CTembrelDlg& window);
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

    CTembrelDlg& m_window;
    std::unique_ptr<CRecordDlg> m_dialog;
    QString m_recordFile;
    bool m_minimise = true;
    QPoint m_savedPosition;
    QSize m_savedSize;
};

// Registers the Record command with the main window.
void installRecording(CTembrelDlg& window);
