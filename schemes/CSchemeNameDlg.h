#pragma once

#include <QDialog>

class QLineEdit;
class CIconButton;

// The modeless "new name" dialog of a scheme build. OK with a name asks for the build with
// that name (queued, so it runs after the dialog has closed); OK with no name and Cancel
// just close it.
class CSchemeNameDlg : public QDialog {
    Q_OBJECT
public:
    // The default name is shown selected, so typing replaces it.
    void showWithDefaultName();
    const QString& name() const { return m_name; }
    QLineEdit* edit() const { return m_edit; }
    CIconButton* okButton() const { return m_ok; }

signals:
    void buildRequested(const QString& name);

protected:
    CSchemeNameDlg(const QString& title, const QString& prompt, QString defaultName,
                   QWidget* parent);

private:
    void onOk();

    QString m_defaultName;
    QString m_name;
    QLineEdit* m_edit;
    CIconButton* m_ok;
    CIconButton* m_cancel;
};

class CThemeNameDlg final : public CSchemeNameDlg {
    Q_OBJECT
public:
    explicit CThemeNameDlg(QWidget* parent);
};

class CScriptNameDlg final : public CSchemeNameDlg {
    Q_OBJECT
public:
    explicit CScriptNameDlg(QWidget* parent);
};
