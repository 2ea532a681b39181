#pragma once

#include "core/BrowserView.h"

#include <QString>
#include <QStringList>
#include <optional>

class IUi;
class IFileSystem;
class CWavePlayer;
class ISettings;

// What the New File Name dialog is asked for: the name it shows first, and what its OK does
// with the name typed. Without an insert source it renames the sound the dialog was opened for
// (its file, in its folder), whatever is selected at OK; with one it copies that file into
// the current folder under the typed name.
struct RenameRequest {
    QString initialName;
    QString insertSource;
    QString soundFile; // the file to rename
};

// Delete, Insert, Rename and Copy to on the current folder and the selected sound. Every
// question and failure goes through IUi; every file change through IFileSystem, so nothing
// is overwritten that the user did not ask to replace and a refused step leaves the files
// as they were.
class FileOperations {
public:
    FileOperations(IUi& ui, IFileSystem& files, CWavePlayer& player, ISoundList& list,
                   IBrowserWindow& window, const ISettings& settings);

    void deleteSound();
    // Copies a chosen file into the current folder. When a listed sound has its name, nothing
    // is copied and the returned request asks for a new name for the chosen file.
    std::optional<RenameRequest> insertSound();
    // Copies one sound file into the current folder as Insert does, without asking for it; a
    // name already listed gives the New File Name request. The list is not refreshed.
    std::optional<RenameRequest> insertFile(const QString& source);
    // Files dropped on the main window: each sound file the list shows (isSoundFileName) is
    // inserted as insertFile() does, any other file is refused with a message naming it; then the
    // list is refreshed. The first name already listed gives the New File Name request.
    std::optional<RenameRequest> insertDropped(const QStringList& files);
    // Stops and closes the player; the dialog then offers the selected sound's name and
    // renames that sound's file.
    RenameRequest beginRename();
    // The dialog's OK with a non-empty name.
    void finishRename(const RenameRequest& request, const QString& enteredName);
    void copySoundTo();

private:
    bool isUsableNewName(const QString& name, int ownRow) const;
    int listedRow(const RenameRequest& request) const;
    void renameSound(const RenameRequest& request, const QString& enteredName);
    void insertUnderName(const QString& source, const QString& enteredName);
    void showNewRow(const QString& name, const QString& path);
    QString rowPath(const SoundRow& row) const;

    IUi& m_ui;
    IFileSystem& m_files;
    CWavePlayer& m_player;
    ISoundList& m_list;
    IBrowserWindow& m_window;
    const ISettings& m_settings;
};
