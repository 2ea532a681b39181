#include "browser/StartSound.h"

#include "platform/ProgramDirectory.h"

void showStartSound(const QString& path, IFileSystem& files, IBrowserWindow& window,
                    ISoundList& list, IUi& ui) {
    if (!files.exists(path)) {
        ui.messageBox(QStringLiteral("The sound file %1 was not found.").arg(path), ui.appTitle(),
                      MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
    window.setCurrentFolder(cut <= 0 ? QStringLiteral("/") : path.left(cut));
    const int row = findRow(list, pathhelp::fileTitle(path));
    if (row >= 0)
        list.selectRow(row);
    window.repaint();
}
