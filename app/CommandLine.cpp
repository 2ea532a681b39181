#include "app/CommandLine.h"

#include "core/FolderScan.h"

#include <QDir>

static bool isSwitch(const QString& argument) {
    return argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-'));
}

static bool isSoundFile(const QString& argument) {
    return argument.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive);
}

StartOptions parseStartOptions(const QStringList& arguments, const QString& workingFolder) {
    StartOptions options;
    bool wordSeen = false;
    for (const QString& argument : arguments) {
        if (isSoundFile(argument)) {
            if (options.soundFile.isEmpty())
                options.soundFile = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
            continue;
        }
        if (options.otherSoundFile.isEmpty() && isSoundFileName(argument, SoundFiles::All))
            options.otherSoundFile =
                QDir::cleanPath(QDir(workingFolder).absoluteFilePath(argument));
        if (isSwitch(argument)) {
            const QString name = argument.mid(1);
            if (name.compare(QStringLiteral("Embedding"), Qt::CaseInsensitive) == 0 ||
                name.compare(QStringLiteral("Automation"), Qt::CaseInsensitive) == 0)
                options.showSplash = false;
            continue;
        }
        if (!wordSeen) {
            wordSeen = true;
            options.schemeBuilderOnly = argument == QStringLiteral("blv");
        }
    }
    return options;
}

static const QString kHelpSwitch = QStringLiteral("--help");
static const QString kVersionSwitch = QStringLiteral("--version");
static const QString kExportSwitch = QStringLiteral("--export");
static const QString kForceSwitch = QStringLiteral("--force");
static const QString kIndexSwitch = QStringLiteral("--index");
static const QString kSearchSwitch = QStringLiteral("--search");

static bool isLongOption(QStringView argument) {
    return argument.startsWith(QLatin1String("--"));
}

static ConsoleTask mistake(const QString& what) {
    ConsoleTask task;
    task.kind = ConsoleTask::Kind::Mistake;
    task.mistake = what;
    return task;
}

// arguments is exactly "--export", the kind word and the folder, with "--force" anywhere.
static ConsoleTask exportTask(QStringList arguments) {
    const bool force = arguments.removeAll(kForceSwitch) > 0;
    if (arguments.size() < 3 || arguments.first() != kExportSwitch)
        return mistake(QStringLiteral("expected --export text|html|web FOLDER [--force]"));
    if (arguments.size() > 3)
        return mistake(QStringLiteral("unexpected argument '%1'").arg(arguments[3]));
    const std::optional<ListKind> kind = listKindFromWord(arguments[1]);
    if (!kind)
        return mistake(
            QStringLiteral("unknown list kind '%1': use text, html or web").arg(arguments[1]));
    ConsoleTask task;
    task.kind = ConsoleTask::Kind::ExportList;
    task.list = *kind;
    task.folder = arguments[2];
    task.force = force;
    return task;
}

// "--index" first, then any number of folders.
static ConsoleTask indexTask(const QStringList& arguments) {
    if (arguments.first() != kIndexSwitch)
        return mistake(QStringLiteral("expected --index [FOLDER...]"));
    ConsoleTask task;
    task.kind = ConsoleTask::Kind::IndexSounds;
    task.folders = arguments.mid(1);
    return task;
}

// "--search" first, then the words, which may start with "-" themselves.
static ConsoleTask searchTask(const QStringList& arguments) {
    if (arguments.size() < 2)
        return mistake(QStringLiteral("expected --search WORDS"));
    ConsoleTask task;
    task.kind = ConsoleTask::Kind::SearchSounds;
    task.words = arguments.mid(1).join(QLatin1Char(' '));
    return task;
}

std::optional<ConsoleTask> parseConsoleTask(const QStringList& arguments) {
    if (!arguments.isEmpty() && arguments.first() == kSearchSwitch)
        return searchTask(arguments);
    if (arguments.contains(kHelpSwitch))
        return ConsoleTask{};
    if (arguments.contains(kVersionSwitch)) {
        ConsoleTask task;
        task.kind = ConsoleTask::Kind::Version;
        return task;
    }
    for (const QString& argument : arguments)
        if (isLongOption(argument) && argument != kExportSwitch && argument != kForceSwitch &&
            argument != kIndexSwitch)
            return mistake(QStringLiteral("unknown option '%1'").arg(argument));
    if (arguments.contains(kIndexSwitch))
        return indexTask(arguments);
    if (arguments.contains(kExportSwitch))
        return exportTask(arguments);
    if (arguments.contains(kForceSwitch))
        return mistake(QStringLiteral("--force goes with --export"));
    return std::nullopt;
}

bool isConsoleRun(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i)
        if (QByteArrayView(argv[i]).startsWith("--"))
            return true;
    return false;
}

QString programVersion() {
    return QStringLiteral(TEMBREL_VERSION);
}

QString commandLineHelp(const QString& programName) {
    return QStringLiteral(
               "Usage: %1 [-Embedding] [SOUND.wav]\n"
               "       %1 blv\n"
               "       %1 --export text|html|web FOLDER [--force]\n"
               "       %1 --index [FOLDER...]\n"
               "       %1 --search WORDS\n"
               "       %1 --help | --version\n"
               "\n"
               "Keeps a collection of WAV sounds.\n"
               "\n"
               "  -Embedding           start without the start picture (also -Automation)\n"
               "  SOUND.wav            start on the sound's folder with the sound selected\n"
               "  blv                  start the scheme builder Belvane alone, on the main\n"
               "                       directory, without the main window\n"
               "  --export text FOLDER write FOLDER/FilesList.txt, a plain-text list of the\n"
               "                       folder's sounds, and exit\n"
               "  --export html FOLDER write FOLDER/FilesList.htm, the list as an HTML page\n"
               "  --export web FOLDER  write FOLDER/index.html, a web index of the sounds,\n"
               "                       and copy its two images beside it; a page or image\n"
               "                       there that %1 did not write is replaced only\n"
               "                       with --force\n"
               "  --index [FOLDER...]  bring the sound index up to date for the folders and\n"
               "                       their subfolders (without folders: the main\n"
               "                       directory and the favourite folders)\n"
               "  --search WORDS       print the path of every indexed sound that matches,\n"
               "                       one a line; words match the start of any word of\n"
               "                       the name or folder; also tag:NAME, sec:<2, sec:>2,\n"
               "                       sec:=2, ch:mono, ch:stereo\n"
               "  --help               show this help and exit\n"
               "  --version            show the program's name and version and exit\n"
               "\n"
               "--export asks nothing and shows no window. It exits with 0 when the list was\n"
               "written, 1 when it could not be, 2 when the arguments are wrong. --search\n"
               "exits with 0 when a sound matched, 1 when none did.\n")
        .arg(programName);
}
