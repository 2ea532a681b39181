#pragma once

#include "operations/BrowserView.h"

class CTembrelDlg;

// The main window as the collection commands see it.
class MainWindowBrowser final : public ISoundList, public IBrowserWindow {
public:
    explicit MainWindowBrowser(CTembrelDlg& window) : m_window(window) {}

    int selectedRow() const override;
    QString rowText(int row) const override;
    int findRow(const QString& name) const override;
    int addRow(const QString& name) override;
    void removeRow(int row) override;
    void selectRow(int row) override;

    QString currentFolder() const override;
    void playCurrent() override;
    void refreshList() override;
    void repaint() override;

private:
    CTembrelDlg& m_window;
};
