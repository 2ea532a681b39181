#pragma once

#include <QDialog>

class QLineEdit;
class CIconButton;

// A dialog that asks for one name: an edit field, OK and Cancel. OK with a name that is not
// empty sends nameEntered() and then closes the dialog; an empty name or Cancel closes it
// without asking for anything.
class NamePromptDlg : public QDialog {
    Q_OBJECT
public:
    // The edit field's text when OK was pressed.
    const QString& enteredName() const { return m_enteredName; }
    QLineEdit& nameEdit() const { return *m_edit; }
    CIconButton& okButton() const { return *m_ok; }
    CIconButton& cancelButton() const { return *m_cancel; }

signals:
    void nameEntered(const QString& name);

protected:
    // Modeless, with its controls not yet laid out.
    NamePromptDlg(const QString& title, QWidget* parent);
    // The plain layout: the prompt, the edit field (named by the prompt, for screen readers
    // and scripts), the buttons at the right.
    void layOutWithPrompt(const QString& prompt);
    // Shows the dialog with this name wholly selected, so that typing replaces it.
    void showSelected(const QString& name);

private:
    void onOk();

    QString m_enteredName;
    QLineEdit* m_edit;
    CIconButton* m_ok;
    CIconButton* m_cancel;
};
