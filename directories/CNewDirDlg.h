#pragma once

#include <QDialog>

class CIconButton;
class QLineEdit;

// The modal " New Directory Name" dialog of the Favorites window's "Create new": asks for the
// name of a folder to make inside the chosen parent. OK with a name sends createFolder() and
// closes once it has been handled; an empty name, Cancel or Escape closes without asking.
class CNewDirDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 259;

    explicit CNewDirDlg(QWidget* parent = nullptr);

    // The name entered when OK was pressed.
    QString enteredName() const { return m_enteredName; }
    QLineEdit& nameEdit() const { return *m_edit; }
    CIconButton& okButton() const { return *m_ok; }
    CIconButton& cancelButton() const { return *m_cancel; }

signals:
    // Handled before the dialog closes: the receiver makes the folder.
    void createFolder();

private:
    void onOk();

    QString m_enteredName;
    QLineEdit* m_edit;
    CIconButton* m_ok;
    CIconButton* m_cancel;
};
