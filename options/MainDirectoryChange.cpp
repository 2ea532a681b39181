#include "options/MainDirectoryChange.h"

#include "core/Settings.h"
#include "platform/Folders.h"
#include "platform/SettingsStore.h"

namespace {
const QString kSaveNameError = QStringLiteral("Tembrel error #12. DFINA - cannot save data!");
const QString kRenameError = QStringLiteral("Tembrel error #13. CRMD - cannot rename directory!");
const QString kSaveEditorError = QStringLiteral("Tembrel error #14. DFINA - cannot save data!");
} // namespace

bool isUsableMainDirectoryName(const QString& name) {
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    if (name.size() > settings::kMaxValueLength || name != name.trimmed())
        return false; // the data file would not give it back as it is
    for (const QChar ch : name)
        if (ch == u'/' || ch == u'\0' || ch == u'\n' || ch == u'\r')
            return false;
    return true;
}

MainDirectoryChange::MainDirectoryChange(ISettings& settings, const IProgramPlaces& places,
                                         IFolders& folders, IUi& ui)
    : m_settings(settings), m_places(places), m_folders(folders), m_ui(ui) {}

bool MainDirectoryChange::rename(const QString& oldName, const QString& newName) {
    if (newName == settings::kMissing)
        return false; // a missing name was reported when the sheet opened; it names no folder
    if (newName == oldName)
        return storeName(newName);
    const QString oldPath = m_places.collectionFolder(oldName);
    const QString newPath = m_places.collectionFolder(newName);
    if (!isUsableMainDirectoryName(newName) || !m_folders.renameFolder(oldPath, newPath)) {
        say(kRenameError);
        return false;
    }
    if (!storeName(newName)) {
        (void)m_folders.renameFolder(newPath, oldPath);
        return false;
    }
    return true;
}

bool MainDirectoryChange::storeName(const QString& name) {
    if (m_settings.write(keys::kMainDirectory, name))
        return true;
    say(kSaveNameError);
    return false;
}

void MainDirectoryChange::storeEditor(const QString& editorPath) {
    if (editorPath == settings::kMissing)
        return;
    if (!m_settings.write(keys::kEditor, editorPath))
        say(kSaveEditorError);
}

void MainDirectoryChange::say(const QString& text) {
    m_ui.messageBox(text, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
}
