// "Show all sound files": off, the program knows ".wav" files alone; on, it lists, times, renames
// and exports every type the installed libsndfile reads. The sounds are written here with
// libsndfile.
#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/FolderScan.h"
#include "core/Settings.h"
#include "core/SoundFacts.h"
#include "files/CNewFileNameDlg.h"
#include "platform/ProgramDirectory.h"
#include "platform/audio/SoundDecoder.h"
#include "platform/audio/SoundFileFacts.h"
#include "properties/SoundProperties.h"
#include "tests/files/OperationsFixture.h"
#include "tests/waveform/PeakFiles.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AllSounds : public OperationsFixture {
protected:
    void SetUp() override {
        useSoundFileFacts(readSoundFileFacts);
        useOtherSoundEndings(readableSoundFileEndings());
        ui.setDefaultAnswer(MsgResult::Ok);
    }
    // A mono sound of frames at 8000 Hz in libsndfile's format, in folder (the main directory
    // when none).
    QString writeSound(const QString& fileName, int format, int frames,
                       const QString& folder = {}) {
        const QString path =
            pathhelp::join(folder.isEmpty() ? program.library() : folder, fileName);
        EXPECT_TRUE(writeSamples(path, 1, std::vector<int16_t>(size_t(frames), 1000), format, 8000))
            << fileName.toStdString();
        return path;
    }
    void showAllSounds(bool on) {
        DataFileSettings(program.path()).write(keys::kAllSounds, on ? 1 : 0);
    }
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&window(), &enter);
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window(), &event);
    }
    QString saveList(int command, const QString& fileName) {
        ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
        window().onCommand(command);
        return QString::fromUtf8(contents(pathhelp::join(program.library(), fileName)));
    }
};

TEST_F(AllSounds, OffListsExportsAndInsertsWavFilesAlone) {
    addSound("Bell");
    writeSound("Horn.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8000);
    const QString elsewhere = program.makeFolder("Elsewhere");
    const QString flac = writeSound("Tuba.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 800, elsewhere);
    EXPECT_EQ(listRows(), QStringList{"Bell"});

    const QString text = saveList(cmd::TextList, "FilesList.txt");
    EXPECT_TRUE(text.contains("1. Bell...."));
    EXPECT_FALSE(text.contains("Horn"));

    ui.answerOpenFile(std::nullopt);
    window().onCommand(cmd::Insert);
    ASSERT_FALSE(ui.calls().empty());
    EXPECT_EQ(ui.calls().back().filter, "Wave Sounds (*.wav)");

    ui.clear();
    drop(flac);
    EXPECT_EQ(ui.messageTexts(),
              QStringList{"\"Tuba.flac\" is not a WAV sound (.wav): only WAV sounds can be "
                          "inserted."});
    EXPECT_EQ(listRows(), QStringList{"Bell"});
    EXPECT_FALSE(QFile::exists(program.library() + "/Tuba.flac"));
}

TEST_F(AllSounds, OnEveryTypeIsListedTimedRenamedInsertedAndExportedWithItsOwnExtension) {
    showAllSounds(true);
    addSound("Bell");
    writeSound("Horn.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8000);
    writeSound("Rain.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 4000);
    writeSound("Gong.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 2000);
    writeSound("Drum.au", SF_FORMAT_AU | SF_FORMAT_PCM_16, 4000);
    writeSound("Pad.CAF", SF_FORMAT_CAF | SF_FORMAT_PCM_24, 12000);
    program.writeFile(program.library() + "/notes.txt", "not a sound");
    const QString elsewhere = program.makeFolder("Elsewhere");
    const QString dropped =
        writeSound("Tuba.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 800, elsewhere);
    EXPECT_EQ(listRows(), (QStringList{"Bell", "Drum", "Gong", "Horn", "Pad", "Rain"}));

    // Play time is frames over rate, whatever the file's size.
    select("Horn");
    EXPECT_DOUBLE_EQ(window().playTime(), 1.0);
    EXPECT_TRUE(window().statusLine1().contains("1.00")) << window().statusLine1().toStdString();
    select("Pad");
    EXPECT_DOUBLE_EQ(window().playTime(), 1.5);
    const SoundProperties pad =
        readSoundProperties(files, window().player(), program.library(), {"Pad", "Pad.CAF"});
    EXPECT_EQ(pad.fileName, "Pad.CAF");
    EXPECT_EQ(pad.playTime, "1.50 sec");
    EXPECT_EQ(pad.format, "Mono, 8000 Hz, 24-bit, CAF");

    // Rename keeps the type: Horn.flac becomes Trumpet.flac, never a FLAC named ".wav".
    select("Horn");
    window().onCommand(cmd::Rename);
    answerRename("Trumpet");
    EXPECT_TRUE(QFile::exists(program.library() + "/Trumpet.flac"));
    EXPECT_FALSE(QFile::exists(program.library() + "/Trumpet.wav"));
    EXPECT_FALSE(QFile::exists(program.library() + "/Horn.flac"));

    // Drag-in and Insert take the other types; a name already listed keeps its type too.
    drop(dropped);
    EXPECT_TRUE(QFile::exists(program.library() + "/Tuba.flac"));
    drop(dropped);
    answerRename("Tuba two");
    EXPECT_TRUE(QFile::exists(program.library() + "/Tuba two.flac"));
    ui.answerOpenFile(std::nullopt);
    window().onCommand(cmd::Insert);
    EXPECT_TRUE(ui.calls().back().filter.startsWith("Sound Files (*.wav *.flac *.ogg"));

    const QString text = saveList(cmd::TextList, "FilesList.txt");
    EXPECT_TRUE(text.contains(". Trumpet....")) << text.toStdString();
    EXPECT_TRUE(text.contains(" KB)....1.00 sec....Mono")) << text.toStdString();
    EXPECT_TRUE(text.contains(" KB)....0.25 sec....Mono")) << "Gong";
    const QString html = saveList(cmd::HtmlList, "FilesList.htm");
    EXPECT_TRUE(html.contains("<A HREF=\"Trumpet.flac\">Trumpet.flac</A>")) << html.toStdString();
    EXPECT_TRUE(html.contains("<A HREF=\"Bell.wav\">Bell.wav</A>"));
    EXPECT_TRUE(html.contains("<A HREF=\"Pad.CAF\">Pad.CAF</A>"));

    // Turned off, the list follows at once.
    window().showSoundFiles(SoundFiles::Wav);
    EXPECT_EQ(listRows(), QStringList{"Bell"});
}

TEST_F(AllSounds, AFileLibsndfileCannotReadIsListedAndPlayingItSaysWhy) {
    showAllSounds(true);
    program.writeFile(program.library() + "/Broken.flac", QByteArray(4000, 'x'));
    program.writeFile(program.library() + "/Broken.wav", QByteArray(4000, 'x'));
    EXPECT_EQ(listRows(), (QStringList{"Broken", "Broken"}));
    window().list().setCurSel(window().list().fileOf(0) == "Broken.flac" ? 0 : 1);
    EXPECT_EQ(window().statusLine1(), "0.00 sec, Unreadable   ") << "not the last WAV's time";
    const QString flac = program.library() + "/Broken.flac";
    const auto opened = SoundDecoder::open(flac);
    ASSERT_FALSE(opened.has_value());
    EXPECT_TRUE(opened.error().startsWith("The sound file \"" + flac + "\" cannot be read: "))
        << opened.error().toStdString();
    EXPECT_GT(opened.error().size(),
              QString("The sound file \"" + flac + "\" cannot be read: .").size());
    const QString wav = program.library() + "/Broken.wav";
    EXPECT_EQ(SoundDecoder::open(wav).error(), "The file \"" + wav + "\" is not a sound file.");
}

} // namespace
