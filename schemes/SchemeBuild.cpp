#include "schemes/SchemeBuild.h"

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "platform/ProgramDirectory.h"
#include "platform/RawFile.h"
#include "platform/RegistryKey.h"
#include "platform/TempFolderBeside.h"
#include "platform/Ui.h"
#include "schemes/EventTable.h"
#include "schemes/SchemeTexts.h"
#include "schemes/SoundTheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using namespace schemetext;

void appBox(IUi& ui, const char* text) {
    ui.messageBox(QString::fromUtf8(text), ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}

void errorBox(IUi& ui, const QString& text) {
    ui.messageBox(text, QString::fromUtf8(kErrorCaption), MsgButtons::Ok, MsgIcon::Stop);
}

// The themes folder named in the store, or nothing after the box that says why not.
std::optional<QString> themesFolder(SchemeBuildServices& services) {
    CRegistryKey key(services.registry);
    QString path;
    if (key.Create(RegRoot::LocalMachine, QString::fromUtf8(kThemesKeyPath)) !=
            regstatus::kSuccess ||
        key.QueryStringValue(QStringLiteral("Path"), path) != regstatus::kSuccess) {
        appBox(services.ui, kRegistryNotAccessible);
        return std::nullopt;
    }
    if (path.isEmpty()) {
        appBox(services.ui, kNoThemesPath);
        return std::nullopt;
    }
    return path;
}

// The theme's own folder must be new; nothing after "Cannot create directory".
bool mayMakeThemeFolder(const QString& themes, const QString& themeName,
                        const QString& soundThemeDir, IUi& ui) {
    const bool may = isPlainFileName(themeName, QStringLiteral(".theme")) &&
                     !QFileInfo::exists(pathhelp::join(themes, themeName)) &&
                     !QFileInfo::exists(soundThemeDir) && QDir().mkpath(themes);
    if (!may)
        errorBox(ui, QString::fromUtf8(kCannotCreateDirectory));
    return may;
}

struct CopiedSounds {
    QList<std::pair<QString, QString>> events; // desktop event name -> the copy's final path
    int failed = 0;                            // sounds that could not be copied
};

// Copies each row's sound into the folder being built (named `finalFolder` once complete).
// A later row for an event that already has its copy keeps the first one, as the theme file
// names that copy for both; any other failed copy is counted.
CopiedSounds copySounds(const QString& building, const QString& finalFolder,
                        const QString& themeName, const QList<SchemeRow>& rows,
                        SchemeBuildServices& services) {
    CopiedSounds copied;
    QStringList made;
    for (const SchemeRow& row : rows) {
        if (row.fileName.isEmpty())
            continue;
        const QString name = themeCopyName(themeName, row);
        const bool taken = made.contains(name);
        if (taken ||
            !services.files.copyFile(row.filePath, pathhelp::join(building, name), false)) {
            copied.failed += taken ? 0 : 1;
            services.ui.messageBox(QString::fromUtf8(kCannotCopy),
                                   QString::fromUtf8(kCopyErrorCaption), MsgButtons::Ok,
                                   MsgIcon::None);
            continue;
        }
        made.append(name);
        if (const EventSlot* slot = slotForCaption(row.caption))
            copied.events.append(
                {QString::fromLatin1(slot->desktopEvent), pathhelp::join(finalFolder, name)});
    }
    return copied;
}

// The freedesktop theme is built beside its place too and takes it when complete.
bool writeDesktopTheme(const QString& dir, const QString& themeName,
                       const QList<std::pair<QString, QString>>& sounds, IEventSoundForm* forms) {
    QDir().mkpath(QFileInfo(dir).absolutePath());
    TempFolderBeside building(dir);
    bool ok = building.isOpen() && soundtheme::ensureTheme(building.path(), themeName);
    for (const auto& [event, copy] : sounds)
        ok = ok && soundtheme::setEventSound(building.path(), event, copy, forms);
    return ok && building.takeTargetsPlace();
}

} // namespace

bool isPlainFileName(const QString& name, const QString& suffix) {
    constexpr qsizetype kMaxNameBytes = 255;
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) &&
           QFile::encodeName(name + suffix).size() <= kMaxNameBytes;
}

// Everything is made in a hidden folder beside the theme's place, which takes the theme's name
// only when the theme file and every copy are complete: a failure or a kill leaves no half
// theme that would block building that name again.
void buildThemeFile(const QString& themeName, const QList<SchemeRow>& rows,
                    SchemeBuildServices& services) {
    const auto themes = themesFolder(services);
    if (!themes)
        return;
    const QString soundThemeDir =
        pathhelp::join(services.soundThemesDir, soundtheme::dirNameForTheme(themeName));
    if (!mayMakeThemeFolder(*themes, themeName, soundThemeDir, services.ui))
        return;
    const QString folder = pathhelp::join(*themes, themeName);
    TempFolderBeside building(folder);
    const QString fileName = themeName + QStringLiteral(".theme");
    if (!building.isOpen() || !writeFileAtomically(pathhelp::join(building.path(), fileName),
                                                   themeFileText(themeName, rows))) {
        errorBox(services.ui, QString::fromUtf8(kCannotCreateThemeFile));
        return;
    }
    const CopiedSounds copies = copySounds(building.path(), folder, themeName, rows, services);
    if (copies.failed > 0) {
        errorBox(services.ui, QString::fromUtf8(kCannotCreateThemeFile) + QStringLiteral("\n\n") +
                                  QString::fromUtf8(kSoundsNotCopied).arg(copies.failed));
        return;
    }
    if (!building.takeTargetsPlace()) {
        errorBox(services.ui, QString::fromUtf8(kCannotCreateDirectory));
        return;
    }
    if (!writeDesktopTheme(soundThemeDir, themeName, copies.events, services.eventSounds))
        appBox(services.ui, qPrintable(QString::fromUtf8(kDesktopThemeFailed).arg(themeName)));
    const QString themeFile = pathhelp::join(folder, fileName);
    if (services.ui.messageBox(QString::fromUtf8(kThemeDone), QString::fromUtf8(kThemeDoneCaption),
                               MsgButtons::OkCancel, MsgIcon::None) == MsgResult::Ok)
        services.desktop.openDocument(themeFile);
}

void buildRegistryScript(const QString& scriptName, const QString& folder,
                         const QList<SchemeRow>& rows, SchemeBuildServices& services) {
    const QString path = pathhelp::join(folder, scriptName + QStringLiteral(".reg"));
    if (!isPlainFileName(scriptName, QStringLiteral(".reg")) || QFileInfo(path).isDir()) {
        errorBox(services.ui, QString::fromUtf8(kCannotCreateScript));
        return;
    }
    if (const auto broken = unscriptablePath(rows)) {
        errorBox(services.ui, QString::fromUtf8(kCannotCreateScript) + QStringLiteral("\n\n") +
                                  QString::fromUtf8(kLineBreakInPath).arg(*broken));
        return;
    }
    auto existing = RegularFile::open(path);
    const bool present = existing || existing.error().kind != FileOpenError::Missing;
    const auto head = existing ? existing->readAll(1 << 20) : std::nullopt; // ours are small
    if (present && !(head && isOurRegistryScript(head->left(4096)))) {
        const QString text = QString::fromUtf8(kReplaceFile).arg(QFileInfo(path).fileName());
        if (services.ui.messageBox(text, QString::fromUtf8(kReplaceFileCaption),
                                   MsgButtons::OkCancel, MsgIcon::Question) != MsgResult::Ok)
            return;
    }
    if (!writeFileAtomically(path, registryScriptText(rows))) {
        errorBox(services.ui, QString::fromUtf8(kCannotCreateScript));
        return;
    }
    services.desktop.openDocument(path);
}
