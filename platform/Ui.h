#pragma once

#include <QString>
#include <optional>

// Every message box, file picker and folder picker of the program goes through IUi, so the
// windows and controllers run unchanged in tests with a scripted implementation.

enum class MsgButtons { Ok, OkCancel };
enum class MsgIcon { None, Stop, Exclamation, Information, Question };
enum class MsgResult { Ok, Cancel };

struct OpenFileRequest {
    QString title;
    QString filterName; // e.g. "Wave Sounds"
    QString pattern;    // e.g. "*.wav"
    QString startFolder;
    // Added to a typed name without extension (e.g. "wav"); when only the upper-case spelling
    // exists, that file is taken.
    QString defaultExtension = {};
    bool executablesOnly = false; // list only the files the user may run (and folders)
};

struct FolderRequest {
    QString startFolder; // preselected when it is a path; any other text selects nothing
    QString instruction;
};

class IUi {
public:
    virtual ~IUi() = default;
    virtual MsgResult messageBox(const QString& text, const QString& caption, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    virtual std::optional<QString> openFileName(const OpenFileRequest& request) = 0;
    // Returns the picked file-system folder; nothing when cancelled or no folder was picked.
    virtual std::optional<QString> browseForFolder(const FolderRequest& request) = 0;
    // The application title: the executable's file name. Captions default to it.
    virtual QString appTitle() const = 0;
};
