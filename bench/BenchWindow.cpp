#include "bench/BenchWindow.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>

MsgResult QuietUi::messageBox(const QString& text, const QString&, MsgButtons, MsgIcon) {
    std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
    return MsgResult::Ok;
}

QByteArray smallWav() {
    QByteArray bytes("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x22\x56\0\0"
                     "\x01\0\x08\0data\x08\0\0\0",
                     44);
    return bytes + QByteArray(8, '\x80');
}

QString benchSoundName(int index, int files) {
    return QStringLiteral("Sound %1 take.wav").arg(index * 7919 % files, 6, 10, QLatin1Char('0'));
}

void makeFolder(const QString& folder, int files) {
    const QByteArray wav = smallWav();
    for (int i = 0; i < files; ++i) {
        QFile file(folder + QLatin1Char('/') + benchSoundName(i, files));
        if (file.open(QIODevice::WriteOnly))
            file.write(wav);
    }
}

BenchProgram::BenchProgram(int files) {
    QFile data(m_program.filePath(QStringLiteral("Tembrel.dat")));
    data.open(QIODevice::WriteOnly);
    data.write("[Main_Directory]\nMaster_Directory=Library\n[Default_Rec_Name]\nRec_Name=S\n"
               "[Editor_Name]\nEditor=x\n");
    data.close();
    QDir().mkpath(library());
    std::printf("making %d files...\n", files);
    std::fflush(stdout);
    makeFolder(library(), files);
    m_services = std::make_unique<Services>(Services{
        m_ui, m_device, m_device, m_fs, m_launcher, m_launcher, {}, m_program.path() + "/"});
    m_settings = std::make_unique<DataFileSettings>(m_services->programDir);
    m_window = std::make_unique<CTembrelDlg>(readMainSettings(*m_settings, m_ui), *m_settings,
                                             m_commands, *m_services);
}
