#include "files/FileOperations.h"

#include "core/CWavePlayer.h"
#include "core/FolderScan.h"
#include "core/Settings.h"
#include "files/OperationTexts.h"
#include "files/StartFolder.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"
#include "platform/Ui.h"

FileOperations::FileOperations(IUi& ui, IFileSystem& files, CWavePlayer& player, ISoundList& list,
                               IBrowserWindow& window, const ISettings& settings)
    : m_ui(ui), m_files(files), m_player(player), m_list(list), m_window(window),
      m_settings(settings) {}

namespace {

// The file of a sound named name in folder, of the same type as the file typeOf: a WAV file
// goes where pathhelp::soundPath says (name.wav, or the spelling of ".wav" already there),
// any other keeps typeOf's own extension.
QString fileOfType(const QString& folder, const QString& name, const QString& typeOf) {
    const QString fileName = pathhelp::fileName(typeOf);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || fileName.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
        return pathhelp::soundPath(folder, name);
    return pathhelp::join(folder, name + fileName.mid(dot));
}

} // namespace

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
    if (m_ui.messageBox(texts::deleteQuestion(soundFileText(sound.name, sound.file)),
                        texts::kDeleteCaption, MsgButtons::OkCancel,
                        MsgIcon::None) != MsgResult::Ok)
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
    const SoundFiles accepted = shownSoundFiles(m_settings);
    const OpenFileRequest request{
        texts::kInsertTitle,
        accepted == SoundFiles::All ? QStringLiteral("Sound Files") : QStringLiteral("Wave Sounds"),
        soundFilePatterns(accepted), defaultFolder(keys::kAddFromFolder, m_settings),
        QStringLiteral("wav")};
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
    const SoundFiles accepted = shownSoundFiles(m_settings);
    for (const QString& file : files) {
        if (!isSoundFileName(file, accepted)) {
            const QString name = pathhelp::fileName(file);
            m_ui.messageBox(accepted == SoundFiles::All
                                ? texts::notASound(name, soundFilePatterns(accepted))
                                : texts::notAWavSound(name),
                            m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
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
        m_ui.messageBox(
            texts::soundGone(soundFileText(request.initialName, pathhelp::fileName(oldPath))),
            texts::kErrorCaption, MsgButtons::Ok, MsgIcon::Stop);
        return;
    }
    const int row = listedRow(request);
    const QString folder = oldPath.left(oldPath.lastIndexOf(QLatin1Char('/')));
    // The file keeps its type: a FLAC sound stays a ".flac" file under its new name.
    const QString newPath = fileOfType(folder, enteredName, oldPath);
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
    const QString destination = fileOfType(m_window.currentFolder(), enteredName, source);
    if (!isUsableNewName(enteredName, -1) || !m_files.copyFile(source, destination, false)) {
        m_ui.messageBox(texts::kRenameRefused, texts::kErrorCaption, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    showNewRow(enteredName, destination);
}

void FileOperations::showNewRow(const QString& name, const QString& path) {
    m_list.selectRow(m_list.addRow({name, pathhelp::fileName(path)}));
    m_window.repaint();
}

void FileOperations::copySoundTo() {
    m_player.Stop();
    const QString start = defaultFolder(keys::kCopyToFolder, m_settings);
    const SoundRow sound = m_list.row(m_list.selectedRow());
    const std::optional<QString> folder = m_ui.browseForFolder(
        FolderRequest{start, texts::copyToInstruction(soundFileText(sound.name, sound.file))});
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
