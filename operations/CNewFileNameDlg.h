#pragma once

#include <QDialog>

class QLineEdit;
class CIconButton;

// The modeless " New File Name" dialog: asks for a sound's new name. OK with a name that is
// not empty sends renameSound() (the main window handles it after this dialog has closed);
// an empty name or Cancel closes it without asking for anything.
class CNewFileNameDlg : public QDialog {
    Q_OBJECT
public:
    CNewFileNameDlg(const QString& initialName, QWidget* parent);

    QString initialName() const { return m_initialName; }
    // The edit field's text when OK was pressed.
    QString enteredName() const { return m_enteredName; }
    QLineEdit& nameEdit() const { return *m_edit; }
    CIconButton& okButton() const { return *m_ok; }
    CIconButton& cancelButton() const { return *m_cancel; }

    // Shows the dialog with the whole initial name selected.
    void showWithName();

signals:
    void renameSound();

private:
    void onOk();

    QString m_initialName;
    QString m_enteredName;
    QLineEdit* m_edit;
    CIconButton* m_ok;
    CIconButton* m_cancel;
};
