#pragma once

#include "widgets/NamePromptDlg.h"

// The modeless " New File Name" dialog: asks for a sound's new name. OK with a name that is
// not empty sends renameSound() (the main window handles it after this dialog has closed);
// an empty name or Cancel closes it without asking for anything.
class CNewFileNameDlg : public NamePromptDlg {
    Q_OBJECT
public:
    CNewFileNameDlg(const QString& initialName, QWidget* parent);

    QString initialName() const { return m_initialName; }

    // Shows the dialog with the whole initial name selected.
    void showWithName() { showSelected(m_initialName); }

signals:
    void renameSound();

private:
    QString m_initialName;
};
