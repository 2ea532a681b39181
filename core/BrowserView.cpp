#include "core/BrowserView.h"

int findRow(const ISoundList& list, const QString& name) {
    for (int row = 0, count = list.rowCount(); row < count; ++row)
        if (list.row(row).name.compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

int findFileRow(const ISoundList& list, const QString& file) {
    for (int row = 0, count = list.rowCount(); row < count; ++row)
        if (list.row(row).file == file)
            return row;
    return -1;
}

QString rowFileName(const QString& name, const QString& file) {
    return file.isEmpty() ? name + QStringLiteral(".wav") : file;
}

QString soundFileText(const QString& name, const QString& file) {
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    if (file.isEmpty() || dot < 0 || file.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
        return name + QStringLiteral(".wav");
    return name + file.mid(dot);
}
