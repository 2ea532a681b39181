#include "browser/MainWindowView.h"

#include "browser/CTembrelDlg.h"
#include "widgets/SortedListBox.h"

int MainWindowView::rowCount() const {
    return m_window.list().count();
}

SoundRow MainWindowView::row(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    const QString name = m_window.list().text(row);
    return {name, rowFileName(name, m_window.list().fileOf(row))};
}

int MainWindowView::selectedRow() const {
    return m_window.list().curSel();
}

void MainWindowView::selectRow(int row) {
    m_window.list().setCurSel(row);
}

int MainWindowView::addRow(const SoundRow& row) {
    if (row.file == row.name + QStringLiteral(".wav"))
        return m_window.list().addString(row.name);
    return m_window.list().addString(row.name, row.file);
}

void MainWindowView::removeRow(int row) {
    m_window.list().deleteString(row);
}

QString MainWindowView::currentSoundPath() const {
    return m_window.currentSoundPath();
}

QString MainWindowView::currentFolder() const {
    return m_window.currentFolder();
}

void MainWindowView::setCurrentFolder(const QString& folder) {
    m_window.setCurrentFolder(folder);
}

void MainWindowView::playCurrent() {
    m_window.PlayCurrent();
}

void MainWindowView::stopPlayback() {
    m_window.StopPlayback();
}

void MainWindowView::refreshList() {
    m_window.RefreshList();
}

void MainWindowView::showSoundFiles(SoundFiles which) {
    m_window.showSoundFiles(which);
}

void MainWindowView::repaint() {
    m_window.UpdateStatus();
    m_window.update();
}

QWidget* MainWindowView::dialogParent() {
    return &m_window;
}

void MainWindowView::minimise() {
    m_minimised = true;
    m_window.showMinimized();
}

void MainWindowView::moveToCorner() {
    m_moved = true;
    m_savedPosition = m_window.pos();
    m_savedSize = m_window.size();
    m_window.move(0, 0);
}

void MainWindowView::restore() {
    if (m_minimised)
        m_window.showNormal();
    if (m_moved) {
        m_window.move(m_savedPosition);
        m_window.resize(m_savedSize);
    }
    m_minimised = m_moved = false;
}

QCursor MainWindowView::busyCursor() const {
    return m_window.busyCursor();
}

QRect MainWindowView::listArea() const {
    return m_window.list().geometry();
}
