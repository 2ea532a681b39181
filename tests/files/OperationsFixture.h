#pragma once

#include "tests/browser/MainWindowFixture.h"

class CNewFileNameDlg;

// The main window, with deleted sounds going to a Trash inside the program directory.
class OperationsFixture : public MainWindowFixture {
protected:
    OperationsFixture();
    ~OperationsFixture() override;

    QString soundFile(const QString& name) const; // in the main directory
    QByteArray bytesOf(const QString& path) const;
    // A WAV file with its own bytes (the name is part of its data), for telling copies apart.
    QString addMarkedSound(const QString& name, const QString& folder = {});
    void select(const QString& name);
    QString selectedRow();
    // The New File Name dialog: the one open now (fails the test when there is none).
    CNewFileNameDlg* renameDialog();
    // Types name into the dialog and presses OK; the rename runs once events are processed.
    void answerRename(const QString& name);

private:
    QByteArray m_savedDataHome;
};
