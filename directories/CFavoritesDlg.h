#pragma once

#include "widgets/NameCollator.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

class CHoverList;
class CIconButton;
class CNewDirDlg;
class IProgramPlaces;
class ISettings;
class IUi;
class QLabel;

// The modeless " Favorites" window: the favourite folders of the data file, "<Main Library>"
// first and the others sorted without regard to case. "Open this folder" stores the list and
// sends openFavorite() for the chosen folder; "Close Favorites", Escape and the close box store
// nothing. Browse and "Create new" add rows, "Remove item" takes one away.
class CFavoritesDlg : public QDialog {
    Q_OBJECT
public:
    CFavoritesDlg(IUi& ui, ISettings& settings, const IProgramPlaces& places,
                  QWidget* parent = nullptr);
    ~CFavoritesDlg() override;

    // The folder "Open this folder" handed over; empty when none.
    QString chosenFolder() const { return m_chosenFolder; }
    QStringList rows() const;
    int selectedRow() const;
    void selectRow(int row);
    CHoverList& listBox() const { return *m_list; }
    CNewDirDlg* newDirDialog() const;
    bool titlesHot() const { return m_titlesHot; }

    void onOpen();
    void onBrowse();
    void onRemove();
    void onCreateNew();

signals:
    // The chosen folder is to be shown by the main window (sent after the list was stored and
    // the window closed).
    void openFavorite();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void setLook();
    void loadList();
    int addFolderRow(const QString& folder);
    void selectFirstStartingWith(const QString& path);
    bool acceptsFolder(const QString& folder);
    void onCreateFolder();
    bool saveList();
    std::optional<QString> folderOfRow(int row);
    void setTitlesHot(bool hot);

    IUi& m_ui;
    ISettings& m_settings;
    const IProgramPlaces& m_places;
    NameCollator m_collator;
    QString m_chosenFolder;
    QString m_parentFolder;
    QStringList m_readAtOpen;
    int m_storedCount = 0;
    bool m_titlesHot = false;
    QPointer<CNewDirDlg> m_newDir;
    CHoverList* m_list;
    CIconButton* m_open;
    CIconButton* m_close;
    CIconButton* m_browse;
    CIconButton* m_remove;
    CIconButton* m_create;
    QLabel* m_titleLeft;
    QLabel* m_titleRight;
};
