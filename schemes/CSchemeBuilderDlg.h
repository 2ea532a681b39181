#pragma once

#include "schemes/SchemeWriters.h"

#include <QDialog>
#include <QList>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class CIconButton;
class CSchemeNameDlg;
struct SchemeContext;

// " Belvane 2.0": twelve rows, each a sound of the folder and the event it is for, built into a
// desktop theme or a registry script. Opened modeless from the main window or as the whole
// program ("blv"); nothing of it is kept when it goes.
class CSchemeBuilderDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRowCount = 12;

    explicit CSchemeBuilderDlg(SchemeContext& context, QWidget* parent = nullptr);
    ~CSchemeBuilderDlg() override;

    void setFolder(const QString& folder) { m_folder = folder; }
    const QString& folder() const { return m_folder; }
    // Row r (0 to 11) as the writers see it.
    SchemeRow row(int r) const;
    QList<SchemeRow> rows() const;

    // The commands of the window's buttons.
    void chooseSound(int r);
    void playRow(int r);
    void confirmBuild(bool theme);
    void openHelp();
    void showAbout();
    // What the name dialogs ask for.
    void BuildThemeFile(const QString& themeName);
    void BuildRegistryScript(const QString& scriptName);

    const QString& themeName() const { return m_themeName; }
    const QString& scriptName() const { return m_scriptName; }
    QLabel* folderText() const { return m_folderText; }
    QComboBox* combo(int r) const { return m_rows[size_t(r)].combo; }
    QLineEdit* edit(int r) const { return m_rows[size_t(r)].edit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    struct Row {
        CIconButton* open = nullptr;
        QLineEdit* edit = nullptr;
        QComboBox* combo = nullptr;
        CIconButton* play = nullptr;
        QString file; // the name the row shows
        QString path; // where that sound really is
    };
    void buildRows();
    void buildCommandButtons();
    CIconButton* commandButton(const QString& caption, const QString& icon, int column);
    void openNameDialog(CSchemeNameDlg* dialog, bool theme);

    SchemeContext& m_context;
    QString m_folder;
    QString m_themeName;
    QString m_scriptName;
    QLabel* m_folderText = nullptr;
    std::array<Row, kRowCount> m_rows;
    bool m_playing = false;
};
