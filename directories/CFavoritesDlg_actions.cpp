#include "directories/CFavoritesDlg.h"

#include "core/FolderScan.h"
#include "core/Settings.h"
#include "directories/CNewDirDlg.h"
#include "directories/FavoriteTexts.h"
#include "directories/FavoritesList.h"
#include "directories/OpenFolder.h"
#include "widgets/CHoverList.h"

#include <QDir>

QStringList CFavoritesDlg::rows() const {
    QStringList texts;
    for (int row = 0; row < m_list->count(); ++row)
        texts.append(m_list->item(row)->text());
    return texts;
}

CNewDirDlg* CFavoritesDlg::newDirDialog() const {
    return m_newDir;
}

int CFavoritesDlg::selectedRow() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void CFavoritesDlg::selectRow(int row) {
    m_list->setCurrentRow(row);
}

// The stored folders, each shown once per entry; an absent entry is reported and the ones after
// it are still shown.
void CFavoritesDlg::loadList() {
    m_list->addItem(favorites::kMainLibraryRow);
    const favorites::Stored stored = favorites::read(m_settings);
    if (stored.entryMissing)
        m_ui.messageBox(settings::kMissing, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
    for (const QString& folder : stored.folders)
        addFolderRow(folder);
    m_readAtOpen = stored.folders;
    m_storedCount = stored.count;
    selectRow(0);
}

// Row 0 stays "<Main Library>" whatever the names around it sort like ("/" sorts before "<").
int CFavoritesDlg::addFolderRow(const QString& folder) {
    int row = 1;
    while (row < m_list->count() && m_collator.compare(m_list->item(row)->text(), folder) <= 0)
        ++row;
    m_list->insertItem(row, folder);
    return row;
}

void CFavoritesDlg::selectFirstStartingWith(const QString& path) {
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->text().startsWith(path, Qt::CaseInsensitive)) {
            selectRow(row);
            return;
        }
}

bool CFavoritesDlg::acceptsFolder(const QString& folder) {
    if (const std::optional<QString> reason = favorites::whyNotStorable(folder)) {
        m_ui.messageBox(*reason, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void CFavoritesDlg::onBrowse() {
    const std::optional<QString> folder =
        m_ui.browseForFolder(FolderRequest{kSystemSoundsFolder, kAddToListInstruction});
    if (!folder)
        return;
    const SoundFiles listed = shownSoundFiles(m_settings);
    if (!folderHasSoundFiles(*folder, listed)) {
        m_ui.messageBox(listed == SoundFiles::All ? kNoSoundFilesInFolder : kNoWavFilesInFolder,
                        m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
        return;
    }
    if (!acceptsFolder(*folder))
        return;
    addFolderRow(*folder);
    selectFirstStartingWith(*folder);
}

void CFavoritesDlg::onRemove() {
    const int row = selectedRow();
    if (row < 0 || m_list->item(row)->text() == favorites::kMainLibraryRow)
        return;
    delete m_list->takeItem(row);
    selectRow(0);
}

void CFavoritesDlg::onCreateNew() {
    const std::optional<QString> parent =
        m_ui.browseForFolder(FolderRequest{kMyComputer, kCreateNewInstruction});
    if (!parent)
        return;
    m_parentFolder = *parent;
    delete m_newDir;
    m_newDir = new CNewDirDlg(this);
    connect(m_newDir, &CNewDirDlg::createFolder, this, &CFavoritesDlg::onCreateFolder);
    m_newDir->exec();
    // Kept only while it runs: a hidden dialog must not answer clicks later.
    delete m_newDir;
}

namespace {

// The new folder goes inside the chosen parent: its name is one name, never a path that leads
// elsewhere ("/tmp/x", "../x").
bool isOneFolderName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && name != QLatin1String(".") &&
           name != QLatin1String("..");
}

} // namespace

// The folder is made at once; it is stored only by a later "Open this folder".
void CFavoritesDlg::onCreateFolder() {
    const QString name = m_newDir->enteredName();
    if (!isOneFolderName(name)) {
        m_ui.messageBox(kCannotCreateDirectory + QStringLiteral("\n\n") +
                            kNotOneFolderName.arg(name),
                        kErrorCaption, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    const QString path = QDir(m_parentFolder).filePath(name);
    if (!acceptsFolder(path))
        return;
    if (!QDir().mkdir(path)) {
        m_ui.messageBox(kCannotCreateDirectory, kErrorCaption, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    addFolderRow(path);
    selectFirstStartingWith(path);
}

// The folder a row stands for; nothing when row 0's main directory is not in the data file
// (its missing-value text is no folder to show).
std::optional<QString> CFavoritesDlg::folderOfRow(int row) {
    if (row > 0)
        return m_list->item(row)->text();
    const QString name = readReported(m_settings, m_ui, keys::kMainDirectory, MsgIcon::None);
    if (name == settings::kMissing)
        return std::nullopt;
    return m_places.collectionFolder(name);
}

// Stores the rows densely from 1, keeping what the add-to-favorites prompt stored meanwhile,
// and empties the entries that were numbered above them.
bool CFavoritesDlg::saveList() {
    QStringList shown;
    for (int row = 1; row < m_list->count(); ++row)
        if (m_list->item(row)->text() != favorites::kMainLibraryRow)
            shown.append(m_list->item(row)->text());
    const FileLock hold = m_settings.holdForUpdate();
    const favorites::Stored now = favorites::read(m_settings);
    const QStringList folders = favorites::mergeForSave(shown, m_readAtOpen, now.folders);
    if (!favorites::write(m_settings, folders, std::max(m_storedCount, now.count)))
        return false;
    m_readAtOpen = folders;
    m_storedCount = int(folders.size());
    return true;
}

void CFavoritesDlg::onOpen() {
    const int row = std::max(selectedRow(), 0);
    const std::optional<QString> folder = folderOfRow(row);
    if (!saveList()) {
        m_ui.messageBox(kFavoritesNotSaved, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    m_chosenFolder = folder.value_or(QString());
    accept();
    if (folder)
        emit openFavorite();
}
