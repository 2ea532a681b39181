#include "schemes/SoundTheme.h"

#include "platform/AtomicFile.h"
#include "platform/RawFile.h"
#include "platform/audio/EventSoundForm.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace soundtheme {

namespace {

// Desktop-entry values escape backslashes and line breaks.
QString entryValue(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    if (out.startsWith(QLatin1Char(' ')))
        out.replace(0, 1, QLatin1String("\\s"));
    return out;
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString eventFile(const QString& themeDir, const QString& eventName) {
    return themeDir + QStringLiteral("/stereo/") + eventName + QStringLiteral(".wav");
}

} // namespace

QString dirNameForTheme(const QString& themeName) {
    const QString plain = themeName.normalized(QString::NormalizationForm_KD).toLower();
    QString slug;
    for (const QChar c : plain) {
        if (c.unicode() >= 0x80 && c.isMark())
            continue;
        const bool keep = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                          c == QLatin1Char('.') || c == QLatin1Char('_');
        if (keep)
            slug += c;
        else if (!slug.endsWith(QLatin1Char('-')))
            slug += QLatin1Char('-');
    }
    while (slug.startsWith(QLatin1Char('-')) || slug.startsWith(QLatin1Char('.')))
        slug.remove(0, 1);
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    if (slug.isEmpty()) // a name in another script: keep it apart from other such names
        slug = QString::number(qHash(themeName, 0), 16);
    return QStringLiteral("tembrel-") + slug;
}

QByteArray indexText(const QString& displayName) {
    return QStringLiteral("[Sound Theme]\n"
                          "Name=%1\n"
                          "Comment=Event sounds chosen in Tembrel\n"
                          "Inherits=freedesktop\n"
                          "Directories=stereo\n"
                          "\n"
                          "[stereo]\n"
                          "OutputProfile=stereo\n")
        .arg(entryValue(displayName))
        .toUtf8();
}

bool ensureTheme(const QString& themeDir, const QString& displayName) {
    if (!QDir().mkpath(themeDir + QStringLiteral("/stereo")))
        return false;
    const QString index = themeDir + QStringLiteral("/index.theme");
    const QByteArray wanted = indexText(displayName);
    auto existing = RegularFile::open(index);
    if (existing && existing->readAll(1 << 20) == wanted)
        return true;
    return writeFileAtomically(index, wanted);
}

bool setEventSound(const QString& themeDir, const QString& eventName, const QString& target,
                   IEventSoundForm* forms) {
    const auto link = fsPath(eventFile(themeDir, eventName));
    std::error_code error;
    if (target.isEmpty()) {
        std::filesystem::remove(link, error);
        return !error;
    }
    if (forms && !forms->playableAsIs(target))
        return forms->writePcm16Copy(target, eventFile(themeDir, eventName));
    // A new link beside the old one, renamed over it: the event never has no sound.
    auto temp = link;
    temp += ".new";
    std::filesystem::remove(temp, error);
    std::filesystem::create_symlink(fsPath(QFileInfo(target).absoluteFilePath()), temp, error);
    if (error)
        return false;
    std::filesystem::rename(temp, link, error);
    if (!error)
        return true;
    std::filesystem::remove(temp, error);
    return false;
}

} // namespace soundtheme
