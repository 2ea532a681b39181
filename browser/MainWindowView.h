#pragma once

#include "core/BrowserView.h"
#include "core/WindowFrame.h"

#include <QPoint>
#include <QSize>

class CTembrelDlg;

// The main window as the features see it: its list, the browser and the window frame.
class MainWindowView final : public ISoundList, public IBrowserWindow, public IWindowFrame {
public:
    explicit MainWindowView(CTembrelDlg& window) : m_window(window) {}

    int rowCount() const override;
    SoundRow row(int row) const override;
    int selectedRow() const override;
    void selectRow(int row) override;
    int addRow(const SoundRow& row) override;
    void removeRow(int row) override;

    QString currentFolder() const override;
    QString currentSoundPath() const override;
    void setCurrentFolder(const QString& folder) override;
    void playCurrent() override;
    void stopPlayback() override;
    void refreshList() override;
    void showSoundFiles(SoundFiles which) override;
    void repaint() override;

    QWidget* dialogParent() override;
    void minimise() override;
    void moveToCorner() override;
    void restore() override;
    QCursor busyCursor() const override;
    QRect listArea() const override;

private:
    CTembrelDlg& m_window;
    bool m_minimised = false;
    bool m_moved = false;
    QPoint m_savedPosition;
    QSize m_savedSize;
};
