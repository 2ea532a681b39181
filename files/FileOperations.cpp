#include "files/FileOperations.h"

#include "core/CWavePlayer.h"
#include "files/OperationTexts.h"
#include "files/StartFolder.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"
#include "platform/Ui.h"

FileOperations::FileOperations(IUi& ui, IFileSystem& files, CWavePlayer& player, ISoundList& list,
                               IBrowserWindow& window, const ISettings& settings)
    : m_ui(ui), m_files(files), m_player(player), m_list(list), m_window(window),
      m_settings(settings) {}

// Where a sound of that name goes (or is) in the current folder.
QString FileOperations::soundPath(const QString& name) const {
    return pathhelp::soundPath(m_window.currentFolder(), name);
}

// The row's own file: two rows may read alike ("a" for a.wav and a.WAV).
QString FileOperations::rowPath(const SoundRow& row) const {
    return pathhelp::join(m_window.currentFolder(), row.file);
}

// Without a selected row (an empty or vanished folder) there is nothing to delete.
void FileOperations::deleteSound() {
    const int row = m_list.selectedRow();
    if (row < 0)
        return;
    m_window.playCurrent(); // the sound is heard before the question
    const SoundRow sound = m_list.row(row);
    if (m_ui.messageBox(texts::deleteQuestion(sound.name), texts::kDeleteCaption,
                        MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    m_player.Stop();
    m_player.Close();
    if (!m_files.trashFile(rowPath(sound))) {
        m_ui.messageBox(texts::kDeleteFailed, texts::kErrorCaption, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    m_list.removeRow(row);
    m_list.selectRow(row > 0 ? row - 1 : 0);
}

std::optional<RenameRequest> FileOperations::insertSound() {
    m_player.Stop();
    const OpenFileRequest request{
        texts::kInsertTitle, QStringLiteral("Wave Sounds"), QStringLiteral("*.wav"),
        defaultFolder(keys::kAddFromFolder, m_settings), QStringLiteral("wav")};
    std::optional<RenameRequest> rename;
    if (const std::optional<QString> source = m_ui.openFileName(request))
        rename = insertFile(*source);
    m_window.refreshList();
    return rename;
}

std::optional<RenameRequest> FileOperations::insertFile(const QString& source) {
    const QString fileName = pathhelp::fileName(source);
    const QString name = pathhelp::fileTitle(fileName);
    if (findRow(m_list, name) >= 0) {
        m_ui.messageBox(texts::kNameExists, m_ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
        return RenameRequest{name, source, {}};
    }
    // Never replaces a file of that name that is not listed (another extension).
    if (!m_files.copyFile(source, pathhelp::join(m_window.currentFolder(), fileName), false))
        m_ui.messageBox(texts::kInsertFailed, texts::kErrorCaption, MsgButtons::Ok, MsgIcon::Stop);
    return std::nullopt;
}

std::optional<RenameRequest> FileOperations::insertDropped(const QStringList& files) {
    m_player.Stop();
    std::optional<RenameRequest> firstTaken;
    for (const QString& file : files) {
        if (!file.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive)) {
            m_ui.messageBox(texts::notAWavSound(pathhelp::fileName(file)), m_ui.appTitle(),
                            MsgButtons::Ok, MsgIcon::Exclamation);
            continue;
        }
        std::optional<RenameRequest> taken = insertFile(file);
        if (taken && !firstTaken)
            firstTaken = taken;
    }
    m_window.refreshList();
    return firstTaken;
}

RenameRequest FileOperations::beginRename() {
    m_player.Stop();
    m_player.Close();
    const SoundRow sound = m_list.row(m_list.selectedRow());
    return RenameRequest{sound.name, {}, rowPath(sound)};
}

void FileOperations::finishRename(const RenameRequest& request, const QString& enteredName) {
    if (enteredName.isEmpty())
        return;
    if (request.insertSource.isEmpty())
        renameSound(request, enteredName);
    else
        insertUnderName(request.insertSource, enteredName);
}

// A name is usable when it stays inside the current folder and no other listed sound reads
// the same (the list compares names without regard to case).
bool FileOperations::isUsableNewName(const QString& name, int ownRow) const {
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return false;
    const int listed = findRow(m_list, name);
    return listed < 0 || listed == ownRow;
}

// The row of the sound being renamed; -1 when its folder is no longer the one shown.
int FileOperations::listedRow(const RenameRequest& request) const {
    const QString fileName = pathhelp::fileName(request.soundFile);
    if (pathhelp::join(m_window.currentFolder(), fileName) != request.soundFile)
        return -1;
    return findFileRow(m_list, fileName);
}

void FileOperations::renameSound(const RenameRequest& request, const QString& enteredName) {
    const QString oldPath = request.soundFile;
    if (!m_files.exists(oldPath)) {
        m_ui.messageBox(texts::soundGone(request.initialName), texts::kErrorCaption, MsgButtons::Ok,
                        MsgIcon::Stop);
        return;
    }
    const int row = listedRow(request);
    const QString folder = oldPath.left(oldPath.lastIndexOf(QLatin1Char('/')));
    const QString newPath = pathhelp::soundPath(folder, enteredName);
    if (!isUsableNewName(enteredName, row) || !m_files.copyFile(oldPath, newPath, false)) {
        m_ui.messageBox(texts::kRenameRefused, texts::kErrorCaption, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    if (!m_files.removeFile(oldPath)) {
        m_files.removeFile(newPath);
        m_ui.messageBox(texts::kRenameFailed, texts::kErrorCaption, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    if (row < 0)
        return; // renamed in a folder that is no longer shown
    m_list.removeRow(row);
    showNewRow(enteredName, newPath);
}

void FileOperations::insertUnderName(const QString& source, const QString& enteredName) {
    if (!isUsableNewName(enteredName, -1) ||
        !m_files.copyFile(source, soundPath(enteredName), false)) {
        m_ui.messageBox(texts::kRenameRefused, texts::kErrorCaption, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    showNewRow(enteredName, soundPath(enteredName));
}

void FileOperations::showNewRow(const QString& name, const QString& path) {
    m_list.selectRow(m_list.addRow({name, pathhelp::fileName(path)}));
    m_window.repaint();
}

void FileOperations::copySoundTo() {
    m_player.Stop();
    const QString start = defaultFolder(keys::kCopyToFolder, m_settings);
    const SoundRow sound = m_list.row(m_list.selectedRow());
    const std::optional<QString> folder =
        m_ui.browseForFolder(FolderRequest{start, texts::copyToInstruction(sound.name)});
    if (!folder)
        return;
    // A plain row replaces the sound of its name there, whatever the case of its extension.
    const QString destination = sound.file == sound.name + QStringLiteral(".wav")
                                    ? pathhelp::soundPath(*folder, sound.name)
                                    : pathhelp::join(*folder, sound.file);
    if (!m_files.copyFile(rowPath(sound), destination, true)) {
        m_ui.messageBox(texts::kCopyFailed, texts::kErrorCaption, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    m_window.repaint();
}
