#include "schemes/SchemeBuild.h"

#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "platform/ProgramDirectory.h"
#include "platform/RawFile.h"
#include "platform/RegistryKey.h"
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

// The theme's own folder, new; nothing after "Cannot create directory".
std::optional<QString> makeThemeFolder(const QString& themes, const QString& themeName,
                                       const QString& soundThemeDir, IUi& ui) {
    const QString folder = pathhelp::join(themes, themeName);
    const bool made = isPlainFileName(themeName, QStringLiteral(".theme")) &&
                      !QFileInfo::exists(soundThemeDir) && QDir().mkpath(themes) &&
                      QDir().mkdir(folder);
    if (!made) {
        errorBox(ui, QString::fromUtf8(kCannotCreateDirectory));
        return std::nullopt;
    }
    return folder;
}

// Copies each row's sound into the theme folder; returns event name -> copy for the rows whose
// copy was made and whose event is known.
QList<std::pair<QString, QString>> copySounds(const QString& folder, const QString& themeName,
                                              const QList<SchemeRow>& rows,
                                              SchemeBuildServices& services) {
    QList<std::pair<QString, QString>> made;
    for (const SchemeRow& row : rows) {
        if (row.fileName.isEmpty())
            continue;
        const QString copy = pathhelp::join(folder, themeCopyName(themeName, row));
        if (!services.files.copyFile(row.filePath, copy, false)) {
            services.ui.messageBox(QString::fromUtf8(kCannotCopy),
                                   QString::fromUtf8(kCopyErrorCaption), MsgButtons::Ok,
                                   MsgIcon::None);
            continue;
        }
        if (const EventSlot* slot = slotForCaption(row.caption))
            made.append({QString::fromLatin1(slot->desktopEvent), copy});
    }
    return made;
}

bool writeDesktopTheme(const QString& dir, const QString& themeName,
                       const QList<std::pair<QString, QString>>& sounds) {
    bool ok = soundtheme::ensureTheme(dir, themeName);
    for (const auto& [event, copy] : sounds)
        ok = ok && soundtheme::setEventSound(dir, event, copy);
    return ok;
}

} // namespace

bool isPlainFileName(const QString& name, const QString& suffix) {
    constexpr qsizetype kMaxNameBytes = 255;
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) &&
           QFile::encodeName(name + suffix).size() <= kMaxNameBytes;
}

void buildThemeFile(const QString& themeName, const QList<SchemeRow>& rows,
                    SchemeBuildServices& services) {
    const auto themes = themesFolder(services);
    if (!themes)
        return;
    const QString soundThemeDir =
        pathhelp::join(services.soundThemesDir, soundtheme::dirNameForTheme(themeName));
    const auto folder = makeThemeFolder(*themes, themeName, soundThemeDir, services.ui);
    if (!folder)
        return;
    const QString themeFile = pathhelp::join(*folder, themeName + QStringLiteral(".theme"));
    if (!writeFileAtomically(themeFile, themeFileText(themeName, rows))) {
        QDir().rmdir(*folder); // still empty: a later build of this name can start afresh
        errorBox(services.ui, QString::fromUtf8(kCannotCreateThemeFile));
        return;
    }
    const auto copies = copySounds(*folder, themeName, rows, services);
    if (!writeDesktopTheme(soundThemeDir, themeName, copies))
        appBox(services.ui, qPrintable(QString::fromUtf8(kDesktopThemeFailed).arg(themeName)));
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
