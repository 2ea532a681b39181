// The plain way to show a folder's sounds: QDir's sorted listing of "*.wav" into a QListWidget.
// bench/figures.sh measures the program's start-up and memory against this one.
// Usage: bench_plain_list_window FOLDER
#include <QApplication>
#include <QDir>
#include <QListWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    QStringList names = QDir(QString::fromLocal8Bit(argv[1]))
                            .entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    for (QString& name : names)
        name.chop(4);
    QListWidget list;
    list.addItems(names);
    list.resize(400, 300);
    list.show();
    return application.exec();
}
