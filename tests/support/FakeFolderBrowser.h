#pragma once

#include "core/BrowserView.h"
#include "core/CWavePlayer.h"
#include "core/FolderScan.h"
#include "platform/ProgramDirectory.h"
#include "tests/support/FakeBrowserView.h"

// The browser over a real folder, behaving as the main window does: a refresh scans the folder
// into the list and selects the first row; Play opens and plays the selected sound's file.
class FakeFolderBrowser final : public IBrowserWindow {
public:
    FakeFolderBrowser(FakeSoundList& list, CWavePlayer& player, QString shownFolder)
        : folder(std::move(shownFolder)), m_list(list), m_player(player) {}

    QString currentFolder() const override { return folder; }
    QString currentSoundPath() const override { return {}; }
    void setCurrentFolder(const QString& path) override {
        folder = path;
        refreshList();
    }
    void playCurrent() override {
        m_player.Open(pathhelp::join(folder, m_list.row(m_list.selectedRow()).file));
        m_player.Play();
    }
    void stopPlayback() override { m_player.Stop(); }
    void refreshList() override {
        m_list.rows.clear();
        const ListedNames found = scanWavFolder(folder);
        for (qsizetype i = 0; i < found.names.size(); ++i)
            m_list.addRow({found.names[i], found.otherFile(i)});
        m_list.selected = m_list.rows.isEmpty() ? -1 : 0;
    }
    void repaint() override { ++repaints; }

    QString folder;
    int repaints = 0;

private:
    FakeSoundList& m_list;
    CWavePlayer& m_player;
};
