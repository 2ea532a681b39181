#include "platform/Launcher.h"

#include <QRegularExpression>

QStringList splitCommandLine(const QString& commandLine) {
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    return commandLine.split(blanks, Qt::SkipEmptyParts);
}
