#pragma once

#include "widgets/NamePromptDlg.h"

// The modal " New Directory Name" dialog of the Favorites window's "Create new": asks for the
// name of a folder to make inside the chosen parent. OK with a name sends createFolder() and
// closes once it has been handled; an empty name, Cancel or Escape closes without asking.
class CNewDirDlg : public NamePromptDlg {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 259;

    explicit CNewDirDlg(QWidget* parent = nullptr);

signals:
    // Handled before the dialog closes: the receiver makes the folder.
    void createFolder();
};
