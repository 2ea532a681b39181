#include "tests/browser/MainWindowFixture.h"

#include "platform/ProgramDirectory.h"
#include "widgets/SortedListBox.h"

#include <QFile>

MainWindowFixture::MainWindowFixture() {
    services.reset(new Services{ui, playback, sounds, files, launcher, desktop,
                                [] { return std::unique_ptr<IRecordingDevice>(); },
                                program.path()});
}

MainWindowFixture::~MainWindowFixture() {
    assembly.reset();
}

CTembrelDlg& MainWindowFixture::window() {
    if (!assembly)
        assembly = std::make_unique<MainWindowAssembly>(*services);
    return assembly->window();
}

MainSettings& MainWindowFixture::startValues() {
    window();
    return assembly->startValues();
}

QString MainWindowFixture::addSound(const QString& name, WavSpec spec, const QString& folder) {
    const QString path =
        pathhelp::join(folder.isEmpty() ? program.library() : folder, name + ".wav");
    program.writeFile(path, makeWav(spec));
    return path;
}

QStringList MainWindowFixture::listRows() {
    QStringList rows;
    for (int row = 0; row < window().list().count(); ++row)
        rows << window().list().text(row);
    return rows;
}
