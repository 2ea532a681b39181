// Draws the cursor themes and writes their ".cur" and ".ani" files.
//
//   make_cursors OUTPUT_DIR
//
// A file whose bytes are already right is left alone, so its time stamp stays.

#include "CursorThemes.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

bool alreadyWritten(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const ThemeCursorFile& file : themeCursorFiles()) {
        const QString path = out.filePath(file.fileName);
        const QByteArray bytes = cursorFileBytes(file);
        if (!alreadyWritten(path, bytes) && !writeFile(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
