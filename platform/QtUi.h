#pragma once

#include "platform/Ui.h"

// The real boxes and pickers, as Qt dialogs.
class QtUi final : public IUi {
public:
    MsgResult messageBox(const QString& text, const QString& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<QString> openFileName(const OpenFileRequest& request) override;
    std::optional<QString> browseForFolder(const FolderRequest& request) override;
    QString appTitle() const override;
};
