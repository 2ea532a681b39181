#pragma once

#include "widgets/NamePromptDlg.h"

// The modeless "new name" dialog of a scheme build. OK with a name asks for the build with
// that name (queued, so it runs after the dialog has closed); OK with no name and Cancel
// just close it.
class CSchemeNameDlg : public NamePromptDlg {
    Q_OBJECT
public:
    // The default name is shown selected, so typing replaces it.
    void showWithDefaultName() { showSelected(m_defaultName); }

signals:
    void buildRequested(const QString& name);

protected:
    CSchemeNameDlg(const QString& title, const QString& prompt, QString defaultName,
                   QWidget* parent);

private:
    QString m_defaultName;
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
