#include "tests/browser/MainWindowFixture.h"

#include "browser/StatusDisplay.h"
#include "browser/StatusText.h"
#include "core/CommandIds.h"
#include "core/PlayGain.h"
#include "core/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "widgets/SortedListBox.h"

#include <QApplication>
#include <QDir>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

// A sound whose whole file lasts `seconds` at 22050 bytes per second (44-byte header).
WavSpec lasting(double seconds) {
    WavSpec spec;
    spec.dataBytes = uint32_t(seconds * 22050) - 44;
    return spec;
}

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, AMissingDataFileShowsTheMissingTextOncePerStringKeyInOrder) {
    program.removeDataFile();
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok).answer(MsgResult::Ok);
    CTembrelDlg& w = window();
    ASSERT_EQ(ui.calls().size(), 3u);
    for (const UiCall& call : ui.calls()) {
        EXPECT_EQ(call.text, settings::kMissing);
        EXPECT_EQ(call.caption, ui.appTitle());
        EXPECT_EQ(call.buttons, MsgButtons::Ok);
    }
    EXPECT_EQ(w.currentFolder(), program.path() + settings::kMissing);
    EXPECT_EQ(startValues().recordTime, 30);
    EXPECT_EQ(w.list().count(), 0) << "an unusable folder lists nothing";
}

TEST_F(MainWindow, ListsTheMainDirectorySortedWithoutCaseAndSelectsTheFirstRow) {
    for (const char* name : {"zebra", "Apple", "banana", "Äpfel", "a.b"})
        addSound(QString::fromUtf8(name));
    program.writeFile(program.library() + "/Drum.WAV", makeWav({}));
    program.writeFile(program.library() + "/readme.txt", "x");
    CTembrelDlg& w = window();
    EXPECT_EQ(listRows(), (QStringList{"a.b", "Äpfel", "Apple", "banana", "Drum", "zebra"}));
    EXPECT_EQ(w.list().curSel(), 0);
    EXPECT_EQ(w.nameCount(), 6);
    EXPECT_EQ(w.currentFolder(), program.library());
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(program.library()).canonicalPath());
}

TEST_F(MainWindow, StatusLinesCountTheWholeFileAndFollowTheSelection) {
    WavSpec stereo;
    stereo.channels = 2;
    stereo.avgBytesPerSecond = 20000;
    stereo.dataBytes = 20010 - 44; // whole file = 1.0005 x the bytes per second
    addSound("a", stereo);
    addSound("b", lasting(2.5));
    CTembrelDlg& w = window();
    EXPECT_EQ(w.statusLine1(), QStringLiteral("1.00 sec, Stereo   "));
    EXPECT_EQ(w.statusLine2(), QStringLiteral("Sound 1 from 2   "));
    w.list().setCurSel(1);
    EXPECT_EQ(w.statusLine1(), QStringLiteral("2.50 sec, Mono   "));
    EXPECT_EQ(w.statusLine2(), QStringLiteral("Sound 2 from 2   "));
    EXPECT_EQ(w.currentIndex(), 1);
}

TEST_F(MainWindow, AVanishedFileOrAnUnreadableHeaderKeepsWhatWasShown) {
    addSound("a", lasting(1.0));
    addSound("b", lasting(2.0));
    program.writeFile(program.library() + "/c.wav", "not a sound at all, only text");
    CTembrelDlg& w = window();
    QFile::remove(program.library() + "/b.wav");
    w.list().setCurSel(1);
    EXPECT_EQ(w.statusLine2(), QStringLiteral("Sound 1 from 3   "));
    w.list().setCurSel(2); // the header of the last file read is used
    EXPECT_EQ(w.statusLine1(), formatSeconds(30.0 / 22050) + " sec, Mono   ");
    EXPECT_EQ(w.statusLine2(), QStringLiteral("Sound 3 from 3   "));
}

TEST_F(MainWindow, EveryPaintShowsTheSelectedFileAsItIsOnDisk) {
    addSound("a", lasting(1.0));
    CTembrelDlg& w = window();
    ASSERT_EQ(w.statusLine1(), QStringLiteral("1.00 sec, Mono   "));
    addSound("a", lasting(3.0)); // replaced behind the program's back
    w.grab();
    EXPECT_EQ(w.statusLine1(), QStringLiteral("3.00 sec, Mono   "));
}

// A folder of 12,345 sounds: the list takes the other names without files, the last row is a
// real sound.
TEST_F(MainWindow, TheStatusLinesShowWholeInsideTheRimAndTheListShowsWholeRows) {
    addSound("zzz", lasting(1.0));
    CTembrelDlg& w = window();
    QStringList others;
    for (int i = 0; i < 12344; ++i)
        others << QStringLiteral("s%1").arg(i, 5, 10, QLatin1Char('0'));
    w.list().addStrings(others);
    w.list().setCurSel(w.list().count() - 1);
    ASSERT_EQ(w.statusLine2(), QStringLiteral("Sound 12345 from 12345   "));
    const QImage shown = w.grab().toImage();
    QImage bare(shown.size(), QImage::Format_RGB32);
    bare.fill(Qt::black);
    QPainter painter(&bare);
    QSvgRenderer(QStringLiteral(":/art/background.svg"))
        .render(&painter, QRectF(0, 0, CTembrelDlg::kWidth, CTembrelDlg::kHeight));
    painter.end();
    const QRect rim = statusdisplay::kInside.adjusted(-1, -1, 1, 1);
    for (int x = rim.left(); x <= rim.right(); ++x)
        for (int y : {rim.top(), rim.bottom()})
            ASSERT_EQ(shown.pixel(x, y), bare.pixel(x, y)) << "rim at " << x << "," << y;
    for (int y = rim.top(); y <= rim.bottom(); ++y)
        for (int x : {rim.left(), rim.right()})
            ASSERT_EQ(shown.pixel(x, y), bare.pixel(x, y)) << "rim at " << x << "," << y;
    const QString longest = statusPositionLine(100000, 100000);
    const QString line1 = statusPlayTimeLine(9999.99, QStringLiteral("Stereo"));
    const QFont font = statusdisplay::fontFor(line1, longest);
    EXPECT_TRUE(statusdisplay::kInside.contains(statusdisplay::lineRect(0, line1, font)));
    EXPECT_TRUE(statusdisplay::kInside.contains(statusdisplay::lineRect(1, longest, font)));

    const int rowHeight = w.list().sizeHintForRow(0);
    EXPECT_EQ(w.list().viewport()->height() % rowHeight, 0) << "no row is cut";
    EXPECT_GE(w.list().viewport()->height() / rowHeight, 8);
}

TEST_F(MainWindow, AZeroByteRateShowsAFinitePlayTime) {
    WavSpec broken;
    broken.avgBytesPerSecond = 0;
    addSound("odd", broken);
    // makeWav computes a rate when given 0, so zero it in the bytes themselves.
    QByteArray bytes = makeWav(broken);
    bytes.replace(28, 4, QByteArray(4, '\0'));
    program.writeFile(program.library() + "/odd.wav", bytes);
    EXPECT_EQ(window().statusLine1(), QStringLiteral("0.00 sec, Mono   "));
}

TEST_F(MainWindow, AnEmptyFolderShowsNothing) {
    CTembrelDlg& w = window();
    EXPECT_EQ(w.list().count(), 0);
    EXPECT_TRUE(w.statusLine1().isEmpty());
    EXPECT_TRUE(w.statusLine2().isEmpty());
}

TEST_F(MainWindow, PlayAllStartsEachSoundAfterTwiceThePlayTimeOfTheSelectedRow) {
    addSound("a", lasting(1.0));
    addSound("b", lasting(2.0));
    addSound("c", lasting(0.5));
    CTembrelDlg& w = window();
    w.onCommand(cmd::PlayAll);
    QList<int> startTicks;
    for (int tick = 1; tick <= 20; ++tick) {
        const qsizetype before = playback.played.size();
        w.playAllTick();
        if (playback.played.size() > before)
            startTicks << tick;
    }
    EXPECT_EQ(startTicks, (QList<int>{3, 6, 11}));
    EXPECT_EQ(playback.played,
              (QStringList{program.library() + "/a.wav", program.library() + "/b.wav",
                           program.library() + "/c.wav"}));
}

TEST_F(MainWindow, PlayAllEndsOnceItsLastRowHasStartedAndPlaysNoLaterRow) {
    addSound("a", lasting(0.5));
    addSound("b", lasting(0.5));
    CTembrelDlg& w = window();
    w.onCommand(cmd::PlayAll);
    for (int tick = 0; tick < 10 && playback.played.size() < 2; ++tick)
        w.playAllTick();
    ASSERT_EQ(playback.played.size(), 2);
    EXPECT_FALSE(w.playAllActive());
    addSound("c", lasting(0.5));
    w.RefreshList();
    for (int tick = 0; tick < 20; ++tick)
        w.playAllTick();
    EXPECT_EQ(playback.played.size(), 2) << "the row added afterwards is not played";
}

TEST_F(MainWindow, ARightClickLeavesTheSelectionWhereItWas) {
    for (const char* name : {"a", "b", "c"})
        addSound(name);
    CTembrelDlg& w = window();
    SortedListBox& list = w.list();
    const QPoint third = list.visualRect(list.model()->index(2, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, third);
    EXPECT_EQ(list.curSel(), 0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(list.curSel(), 2);
}

TEST_F(MainWindow, StopDuringPlayAllStartsNothingMore) {
    addSound("a", lasting(1.0));
    addSound("b", lasting(1.0));
    CTembrelDlg& w = window();
    w.onCommand(cmd::PlayAll);
    for (int tick = 0; tick < 3; ++tick)
        w.playAllTick();
    ASSERT_EQ(playback.played.size(), 1);
    w.onCommand(cmd::Stop);
    EXPECT_TRUE(playback.playing.isEmpty());
    for (int tick = 0; tick < 20; ++tick)
        w.playAllTick();
    EXPECT_EQ(playback.played.size(), 1);
}

TEST_F(MainWindow, NextAtTheLastRowAndPreviousAtTheFirstReplayThem) {
    addSound("a");
    addSound("b");
    CTembrelDlg& w = window();
    w.onCommand(cmd::Next);
    w.onCommand(cmd::Next);
    w.onCommand(cmd::Prev);
    w.onCommand(cmd::Prev);
    const QString a = program.library() + "/a.wav", b = program.library() + "/b.wav";
    EXPECT_EQ(playback.played, (QStringList{b, b, a, a}));
}

TEST_F(MainWindow, PlayOfAVanishedFileShowsTheErrorOnceAndPlaysNothing) {
    addSound("a");
    CTembrelDlg& w = window();
    QFile::remove(program.library() + "/a.wav");
    ui.answer(MsgResult::Ok);
    w.onCommand(cmd::Play);
    EXPECT_EQ(ui.messageTexts(), QStringList{"The specified file was not found."});
    EXPECT_TRUE(playback.playing.isEmpty());
}

TEST_F(MainWindow, ARowDragsOutAsItsFileInAUriList) {
    addSound("a");
    const QString odd = addSound(QStringLiteral("Glocke \u00e4 & $1; <x>"));
    CTembrelDlg& w = window();
    SortedListBox& list = w.list();
    EXPECT_TRUE(list.model()->flags(list.model()->index(1, 0)) & Qt::ItemIsDragEnabled)
        << "without it the view never starts a drag";
    list.setCurSel(1);
    const std::unique_ptr<QMimeData> data = list.selectedRowDragData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat("text/uri-list"));
    ASSERT_EQ(data->urls().size(), 1);
    EXPECT_EQ(data->urls()[0].toLocalFile(), odd);
    list.setCurSel(-1);
    EXPECT_EQ(list.selectedRowDragData(), nullptr);
}

TEST_F(MainWindow, LoopAndSinglePlaySoundTogetherUntilStop) {
    addSound("a");
    addSound("b");
    CTembrelDlg& w = window();
    w.onCommand(cmd::PlayLoop);
    w.list().setCurSel(1);
    w.onCommand(cmd::Play);
    EXPECT_EQ(sounds.looping, program.library() + "/a.wav");
    EXPECT_EQ(playback.playing, program.library() + "/b.wav");
    w.onCommand(cmd::Stop);
    EXPECT_TRUE(sounds.looping.isEmpty());
    EXPECT_TRUE(playback.playing.isEmpty()) << "Stop silences everything that sounds";
}

} // namespace

namespace {

TEST_F(MainWindowFixture, APressOnTheFreeAreaDragsTheWindowAndEnterPlaysEscapeEnds) {
    addSound("a");
    CTembrelDlg& w = window();
    w.show();
    w.move(100, 100);
    const QPoint start = w.pos();
    const QPointF inside(5, 100), global = w.mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QMouseEvent move(QEvent::MouseMove, inside + QPointF(30, 20), global + QPointF(30, 20),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, inside + QPointF(30, 20),
                        global + QPointF(30, 20), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &release);
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));

    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(playback.playing, program.library() + "/a.wav");
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

// Off by default; on, a sound not measured yet is estimated before it plays (and measured whole
// once, on a worker), and plays at the gain that brings it to -23 LUFS.
TEST_F(MainWindow, EvenLoudnessPlaysEachSoundAtTheGainThatBringsItToMinus23Lufs) {
    int measured = 0;
    services->measureLoudness = [&](const QString&,
                                    double limit) -> std::expected<LoudnessFacts, QString> {
        ++measured;
        return LoudnessFacts{limit > 0 ? -35.0 : -29.0, -20, limit > 0};
    };
    const QString quiet = addSound("Quiet");
    window().PlayCurrent();
    EXPECT_EQ(playback.playedGain, 1.0f);
    EXPECT_EQ(measured, 0);
    ASSERT_TRUE(assembly->settings().write(keys::kEvenLoudness, 1));
    window().StopPlayback();
    window().PlayCurrent();
    EXPECT_FLOAT_EQ(playback.playedGain, factorOfDb(12)) << "the estimate";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().player().gainFor(quiet) == factorOfDb(6); }));
    window().StopPlayback();
    window().PlayCurrent();
    EXPECT_FLOAT_EQ(playback.playedGain, factorOfDb(6)) << "the whole measure";
    EXPECT_EQ(measured, 2);
}

} // namespace
