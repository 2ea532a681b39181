#pragma once

#include "platform/Ui.h"

#include <functional>

// The real boxes and pickers, as Qt dialogs. The folder picker is the program's own window,
// handed in by the application object.
class QtUi final : public IUi {
public:
    using FolderPicker = std::function<std::optional<QString>(const FolderRequest&)>;
    explicit QtUi(FolderPicker pickFolder) : m_pickFolder(std::move(pickFolder)) {}

    MsgResult messageBox(const QString& text, const QString& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<QString> openFileName(const OpenFileRequest& request) override;
    std::optional<QString> browseForFolder(const FolderRequest& request) override;
    QString appTitle() const override;

private:
    FolderPicker m_pickFolder;
};
