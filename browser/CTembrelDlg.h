#pragma once

#include "core/CWavePlayer.h"
#include "core/FolderScan.h"
#include "core/Settings.h"
#include "platform/DirectoryListing.h"
#include "platform/Services.h"
#include "widgets/CFlatScrollBars.h"

#include <QBasicTimer>
#include <QCursor>
#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class CommandTable;
class FolderWatcher;
class SortedListBox;
class CBitmapButton;
class QSvgRenderer;

// The main window: a skinned, captionless window listing the sound files of the current
// folder, with the two status lines of the selected sound. Every command reaches it by its
// identifier and runs from the command table, where the features put their handlers.
class CTembrelDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 356;
    static constexpr int kHeight = 241;

    // Scans the main directory, then builds the window. The settings copies were read (and
    // missing strings reported) before.
    CTembrelDlg(const MainSettings& startValues, const IProgramPlaces& places,
                const CommandTable& commands, Services& services, QWidget* parent = nullptr);
    ~CTembrelDlg() override;

    // Browsing.
    void ScanFolder(const QString& folder);
    void RefreshList();
    // Reads the current folder again after a change on disk, keeping the selected sound
    // selected (or the row where it was, when it is gone).
    void followFolder();
    void UpdateStatus();
    void setCurrentFolder(const QString& folder); // then RefreshList
    // Lists these sound files from now on, reading the folder again at once (the selected
    // sound stays selected while it is listed).
    void showSoundFiles(SoundFiles which);
    SoundFiles soundFiles() const { return m_soundFiles; }
    const QString& currentFolder() const { return m_currentFolder; }
    const QStringList& names() const { return m_names.names; }
    int nameCount() const;
    int currentIndex() const { return m_currentIndex; }
    const QString& currentSoundPath() const { return m_currentSoundPath; }
    double playTime() const { return m_playTime; }
    QString statusLine1() const { return m_statusLine1; }
    QString statusLine2() const { return m_statusLine2; }
    // The selected row's file in the current folder (".wav" after an empty name when none).
    QString selectedSoundPath() const;
    // The file of a row in the current folder, as the folder spells it.
    QString rowPath(int row) const;
    QString selectedName() const;

    // Playback.
    void PlayCurrent();
    void StopPlayback();
    void playPrevious();
    void playNext();
    void playLoop();
    void playAll();
    void playAllTick();
    bool playAllActive() const { return m_playAllActive; }
    // True while a single play (for its play time) or a loop sounds; Play and Loop are lit.
    bool isSounding() const;

    // Commands: every button, menu item and key runs its handler from the command table.
    bool hasCommand(int id) const;
    void onCommand(int id);
    const CommandTable& commands() const { return m_commands; }

    SortedListBox& list() { return *m_list; }
    CWavePlayer& player() { return *m_player; }
    QCursor normalCursor() const { return m_normalCursor; }
    QCursor busyCursor() const { return m_busyCursor; }
    bool hasNormalCursor() const { return m_hasNormalCursor; }
    // True while an animated normal cursor steps through its frames: only under the pointer.
    bool cursorAnimating() const { return m_cursorTimer.isActive(); }
    CBitmapButton* button(int id) const;
    // Grows the window and puts control, height high, in a panel under the skin.
    void addBottomStrip(QWidget& control, int height);
    // Files dropped on the window from another program go here (local paths).
    void setDropHandler(std::function<void(const QStringList&)> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

signals:
    // The folder watch saw the shown folder change on disk (after it was read again).
    void folderChangedOnDisk(const QString& folder);
    // The list was read again (another folder, or the same one changed) with its selection
    // signals held back; whoever follows the selected sound looks again.
    void listReplaced();

private:
    void endPlayAll();
    QString rowFile(int row) const;
    int findFileRow(const QString& file) const;
    void readStatus();
    void applyChildColours();
    void buildButtons();
    void buildList();
    void fillListFromNames();
    void loadCursors();
    void nextCursorFrame();
    void animateCursor(bool shown);
    void onSelectionChanged();
    void placeFlatScrollBar();
    void releaseOwned();
    void showSounding(bool playing, bool looping);

    const IProgramPlaces& m_places;
    const CommandTable& m_commands;
    Services& m_services;
    int m_cursorTheme = 1;
    bool m_flatScrollBar = false;
    CFlatScrollBars m_flatBars;
    QString m_currentFolder;
    SoundFiles m_soundFiles = SoundFiles::Wav;
    ListedNames m_names;
    int m_unlistedCount = 0;
    int m_currentIndex = -1;
    QString m_currentSoundPath;
    double m_playTime = 0.0;
    QString m_statusLine1;
    QString m_statusLine2;

    bool m_playAllActive = false;
    int m_playAllPosition = 0;
    int m_tickCount = 0;
    QBasicTimer m_playAllTimer;
    QBasicTimer m_soundingTimer; // ends the lit Play when the sound has had its time

    std::unique_ptr<CWavePlayer> m_player;
    FolderWatcher* m_watcher = nullptr;
    std::function<void(const QStringList&)> m_dropHandler;
    std::unique_ptr<QSvgRenderer> m_background;
    QRect m_bottomStrip; // where the waveform strip sits, when there is one
    SortedListBox* m_list = nullptr;
    std::map<int, CBitmapButton*> m_buttons;
    QCursor m_normalCursor;
    QCursor m_busyCursor;
    bool m_hasNormalCursor = false;
    QList<QCursor> m_normalFrames; // an animated normal cursor cycles through these
    int m_cursorFrame = 0;
    int m_cursorIntervalMs = 0; // 0: the normal cursor does not move
    QBasicTimer m_cursorTimer;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
