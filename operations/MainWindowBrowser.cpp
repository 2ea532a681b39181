#include "operations/MainWindowBrowser.h"

#include "browser/CTembrelDlg.h"
#include "widgets/SortedListBox.h"

int MainWindowBrowser::selectedRow() const {
    return m_window.list().curSel();
}
QString MainWindowBrowser::rowText(int row) const {
    return m_window.list().text(row);
}

int MainWindowBrowser::findRow(const QString& name) const {
    return m_window.list().findStringExact(name);
}

int MainWindowBrowser::addRow(const QString& name) {
    return m_window.list().addString(name);
}
void MainWindowBrowser::removeRow(int row) {
    m_window.list().deleteString(row);
}
void MainWindowBrowser::selectRow(int row) {
    m_window.list().setCurSel(row);
}
QString MainWindowBrowser::currentFolder() const {
    return m_window.currentFolder();
}
void MainWindowBrowser::playCurrent() {
    m_window.PlayCurrent();
}
void MainWindowBrowser::refreshList() {
    m_window.RefreshList();
}

void MainWindowBrowser::repaint() {
    m_window.UpdateStatus();
    m_window.update();
}
