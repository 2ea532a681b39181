#include "lists/CommandLineExport.h"

#include "core/CWavePlayer.h"
#include "core/FolderScan.h"
#include "lists/ListExport.h"
#include "platform/FileSystem.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Boxes become lines on the error stream; nothing is ever asked.
class ConsoleUi final : public IUi {
public:
    ConsoleUi(QString programName, QTextStream& errors)
        : m_programName(std::move(programName)), m_errors(errors) {}

    MsgResult messageBox(const QString& text, const QString& caption, MsgButtons,
                         MsgIcon) override {
        Q_UNUSED(caption);
        QString line = text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_errors << m_programName << ": " << line << Qt::endl;
        return MsgResult::Cancel;
    }
    std::optional<QString> openFileName(const OpenFileRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const FolderRequest&) override { return {}; }
    QString appTitle() const override { return m_programName; }

private:
    QString m_programName;
    QTextStream& m_errors;
};

std::optional<QString> folderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("there is no folder %1").arg(folder);
    if (!info.isDir())
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (!info.isReadable() || !info.isExecutable())
        return QStringLiteral("the folder %1 cannot be read").arg(folder);
    return std::nullopt;
}

// The names the main window would list for folder, in its order.
ListedNames listedNames(const QString& folder, const ExportServices& services) {
    const ListedNames found = scanSoundFolder(folder, services.soundFiles);
    ListedNames listed;
    for (const int i : services.orderAsListed(found.names)) {
        if (found.names[i].isEmpty())
            continue; // a file named ".wav" alone has no row
        listed.names.append(found.names[i]);
        listed.files.append(found.otherFile(i));
    }
    return listed;
}

} // namespace

int exportListFromCommandLine(ListKind kind, const QString& folder, bool force,
                              ExportServices& services, QTextStream& errors) {
    const auto fail = [&](const QString& why) {
        errors << services.programName << ": " << why << Qt::endl;
        return 1;
    };
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (const std::optional<QString> problem = folderProblem(absolute))
        return fail(*problem);
    if (kind == ListKind::Web && !force)
        if (const std::optional<QString> foreign = foreignWebFile(absolute, services.programDir))
            return fail(QStringLiteral("%1 was not written by %2; use --force to replace it")
                            .arg(*foreign, services.programName));
    ConsoleUi ui(services.programName, errors);
    CWavePlayer player(services.playback, services.sounds, ui);
    ListTools tools{services.files, player, services.programDir};
    const auto written = writeListFile(kind, absolute, listedNames(absolute, services), tools);
    if (!written)
        return fail(QString(written.error()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (written->failedName)
        return fail(QStringLiteral("%1 stops before \"%2\": its file could not be read")
                        .arg(written->path, *written->failedName));
    return 0;
}
