#pragma once

#include "options/OptionsPage.h"

class CIconButton;
class QLineEdit;

// General: the main directory's name and the wave editor program. Nothing here is written
// until the sheet closes with OK; the Options command then reads both back.
class CPPage1 : public COptionsPage {
    Q_OBJECT
public:
    CPPage1(OptionsContext& context, QWidget* parent);

    void setMainDirectoryName(const QString& name);
    QString mainDirectoryName() const;
    void setEditorPath(const QString& path);
    QString editorPath() const { return m_editorPath; }

    QLineEdit& nameEdit() const { return *m_name; }
    CIconButton& browseButton() const { return *m_browse; }

protected:
    void OnInitDialog() override;

private:
    void chooseEditor();

    QLineEdit* m_name;
    QLineEdit* m_editor;
    CIconButton* m_browse;
    QString m_editorPath;
};
