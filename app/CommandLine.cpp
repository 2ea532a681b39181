#include "app/CommandLine.h"

static bool isSwitch(const QString& argument) {
    return argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-'));
}

StartOptions parseStartOptions(const QStringList& arguments) {
    StartOptions options;
    bool wordSeen = false;
    for (const QString& argument : arguments) {
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
