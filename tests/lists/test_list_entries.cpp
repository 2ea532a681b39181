// Gathering the entries of a list from real files through the player.
#include "core/CWavePlayer.h"
#include "lists/ListEntries.h"
#include "lists/WebPage.h"
#include "platform/ProgramDirectory.h"
#include "tests/support/FakeAudio.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/support/FakeUi.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A playback device that cannot open one chosen file.
class FakeRefusingDevice final : public IPlaybackDevice {
public:
    AudioResult open(const QString& path) override {
        openPath.clear();
        if (path == refused)
            return std::unexpected(QStringLiteral("The sound cannot be played."));
        openPath = path;
        return {};
    }
    AudioResult play(qint64, float) override { return {}; }
    void stop() override {}
    void close() override { openPath.clear(); }
    QString refused;
    QString openPath;
};

class Gathering : public ::testing::Test {
protected:
    QString add(const QString& name, const QByteArray& bytes) {
        const QString path = pathhelp::soundPath(folder, name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    ListEntries gather(const QStringList& names, UnreadableFile mode = UnreadableFile::Skip) {
        return gatherListEntries(folder, names, files, player, mode);
    }

    QTemporaryDir dir;
    QString folder = dir.path();
    FakeUi ui;
    FakeRefusingDevice device;
    FakeSoundPlayer sounds;
    FakeFileSystem files;
    CWavePlayer player{device, sounds, ui};
};

WavSpec stereo44k() {
    WavSpec spec;
    spec.channels = 2;
    spec.sampleRate = 44100;
    spec.bitsPerSample = 16;
    spec.dataBytes = 176400;
    return spec;
}

TEST_F(Gathering, SkipsMissingFilesKeepingPositionsAndOpensEveryFoundFile) {
    add("Bell", makeWav({}));
    const QString last = add("Stereo", makeWav(stereo44k()));
    const ListEntries list = gather({"Bell", "Gone", "Stereo"});
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.itemCount, 3);
    EXPECT_EQ(list.entries[0].number, 1);
    EXPECT_EQ(list.entries[0].size, 22094);
    EXPECT_EQ(list.entries[0].info.channelsText, "Mono");
    EXPECT_DOUBLE_EQ(list.entries[0].playTime(), 22094.0 / 22050);
    EXPECT_EQ(list.entries[1].number, 3);
    EXPECT_EQ(list.entries[1].info.channelsText, "Stereo");
    EXPECT_EQ(device.openPath, last) << "the player is left open on the last listed file";
    EXPECT_EQ(player.waveInfo().channels, 2u);
    EXPECT_FALSE(list.failedName);
}

TEST_F(Gathering, EachEntryKnowsItsFileNameAsSpelledInTheFolder) {
    add("Bell", makeWav({}));
    QFile loud(QDir(folder).filePath("Loud.WAV"));
    ASSERT_TRUE(loud.open(QIODevice::WriteOnly));
    loud.write(makeWav({}));
    loud.close();
    const ListEntries list = gather({"Bell", "Loud"});
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].fileName, "Bell.wav");
    EXPECT_EQ(list.entries[1].fileName, "Loud.WAV");
    EXPECT_EQ(list.entries[1].size, 22094);
}

TEST_F(Gathering, AnUnreadableHeaderShowsTheListsLastHeaderAndZerosBeforeTheFirst) {
    // What the main window read before the list must not leak into its first line.
    player.ReadWaveInfo(add("Shown", makeWav(stereo44k())));
    add("A noise", "plain text, no RIFF header at all");
    add("B bell", makeWav({}));
    add("C noise", "plain text again");
    const ListEntries list = gather({"A noise", "B bell", "C noise"});
    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.entries[0].info.avgBytesPerSecond, 0u);
    EXPECT_EQ(list.entries[0].info.channelsText, "");
    EXPECT_EQ(list.entries[0].playTime(), 0.0);
    EXPECT_EQ(list.entries[2].info.channelsText, "Mono");
    EXPECT_DOUBLE_EQ(list.entries[2].playTime(), 16.0 / 22050) << "its own size, B's rate";
}

TEST_F(Gathering, AnOpenErrorIsShownOnceAndTheEntryIsKept) {
    device.refused = add("Odd", makeWav({}));
    add("Plain", makeWav({}));
    ui.answer(MsgResult::Ok);
    const ListEntries list = gather({"Odd", "Plain"});
    ASSERT_EQ(ui.messageTexts(), QStringList{"The sound cannot be played."});
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].info.channelsText, "Mono");
}

TEST_F(Gathering, AnUnreadableFileIsPassedOverOrStopsTheListAsAsked) {
    const QStringList names{"A", "B", "C", "D", "E"};
    for (const QString& name : names)
        add(name, makeWav({}));
    files.unreadable << pathhelp::soundPath(folder, "C");

    const ListEntries passed = gather(names, UnreadableFile::Skip);
    EXPECT_EQ(passed.entries.size(), 4u);
    EXPECT_FALSE(passed.failedName);

    const ListEntries stopped = gather(names, UnreadableFile::Stop);
    ASSERT_EQ(stopped.entries.size(), 2u);
    EXPECT_EQ(stopped.failedName, QString("C"));
    const QByteArray page = writeWebPage(folder, stopped);
    EXPECT_TRUE(page.contains("> A</B>") && page.contains("> B</B>"));
    EXPECT_FALSE(page.contains("> C</B>") || page.contains("> D</B>"));
    EXPECT_TRUE(page.endsWith("</CENTER>\r\n</BODY>\r\n</HTML>\r\n")) << "the page is closed";
}

} // namespace
