#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QFileSystemModel;
class QLabel;
class QTreeView;

// The one folder picker of the program: a tree of the file system from its root, the caller's
// instruction above it and the path of the current selection (shortened) as status text.
// A start folder that is an existing folder is preselected; any other text (such as
// "My Computer") selects nothing.
class CFolderBrowser : public QDialog {
    Q_OBJECT
public:
    enum Outcome { Picked = 1, NotPicked = 2 };

    explicit CFolderBrowser(const QString& startFolder, QWidget* owner = nullptr);

    void setInstruction(const QString& text);
    QString instruction() const;
    // Runs the browser modally: Picked when the user confirmed a file-system folder.
    int Browse();
    // The folder picked; before a pick, the start folder.
    QString ResultFolder() const { return m_resultFolder; }

    // For the caller and tests: what the status line shows, and the selected folder (empty
    // when nothing is selected).
    QString statusText() const;
    QString selectedFolder() const;
    void selectFolder(const QString& path);

protected:
    virtual void OnInitialized();
    virtual void OnSelChanged(const QString& path);
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void followStartFolder();

    QString m_startFolder;
    QString m_resultFolder;
    QFileSystemModel* m_model;
    QTreeView* m_tree;
    QLabel* m_instruction;
    QLabel* m_status;
    bool m_initialized = false;
    bool m_followStart = true;
};

struct FolderRequest;

// Runs the browser modally over the active window for a request of the program's Ui.
std::optional<QString> pickFolderInBrowser(const FolderRequest& request);
