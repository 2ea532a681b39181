#include "library/FolderReadAhead.h"
#include "library/IndexCommandLine.h"
#include "library/IndexPlaces.h"
#include "library/IndexScanner.h"
#include "library/SqliteSoundIndex.h"
#include "platform/NativeName.h"
#include "platform/WriterLock.h"
#include "tests/support/Forked.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WavBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray bytesOf(const QString& path) {
    return nativename::encode(path);
}

// Under the very bytes of path, which need not be UTF-8.
void writeBytes(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    ::close(fd);
}

// One second of 8-bit sound per 22050 data bytes, mono unless told.
QByteArray wav(double seconds, uint16_t channels = 1, QByteArray chunks = {}) {
    WavSpec spec;
    spec.channels = channels;
    spec.dataBytes = uint32_t(seconds * 22050 * channels);
    spec.chunksBeforeFmt = std::move(chunks);
    return makeWav(spec);
}

class SoundIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        top = bytesOf(sounds.path());
        openIndex();
    }
    void openIndex() {
        index.reset();
        QString report;
        index = SqliteSoundIndex::open(dbDir.filePath(QStringLiteral("library.db")), &report);
        ASSERT_TRUE(index) << report.toStdString();
        EXPECT_TRUE(report.isEmpty()) << report.toStdString();
    }
    QByteArray folder(const char* relative) {
        const QByteArray path = top + '/' + relative;
        ::mkdir(path.constData(), 0755);
        return path;
    }
    ScanReport scan(int depth = IndexScanner::kDefaultDepth) {
        IndexScanner scanner(*index, depth);
        return scanner.scan({top});
    }
    QStringList names(const QString& query) {
        const auto parsed = parseSoundQuery(query);
        EXPECT_TRUE(parsed) << parsed.error().toStdString();
        QStringList found;
        for (const IndexedSound& sound : index->find(*parsed, 100))
            found.append(nativename::decode(sound.name));
        found.sort();
        return found;
    }

    QTemporaryDir sounds;
    QTemporaryDir dbDir;
    QByteArray top;
    std::unique_ptr<SqliteSoundIndex> index;
};

TEST(SoundQuery, TakesFiltersApartAndNamesWhatItCannotRead) {
    const auto query = parseSoundQuery(QStringLiteral("  kick TAG:drums sec:<2 ch:stereo  "));
    ASSERT_TRUE(query);
    EXPECT_EQ(query->words, QStringList{QStringLiteral("kick")});
    EXPECT_EQ(query->tags, QStringList{QStringLiteral("drums")});
    EXPECT_EQ(query->maxSeconds, 2.0);
    EXPECT_FALSE(query->minSeconds);
    EXPECT_EQ(query->channels, 2);

    const auto around = parseSoundQuery(QStringLiteral("sec:=2.5 ch:mono"));
    ASSERT_TRUE(around);
    EXPECT_DOUBLE_EQ(*around->minSeconds, 2.45);
    EXPECT_DOUBLE_EQ(*around->maxSeconds, 2.55);
    EXPECT_EQ(around->channels, 1);

    EXPECT_FALSE(parseSoundQuery(QStringLiteral("sec:long")));
    EXPECT_FALSE(parseSoundQuery(QStringLiteral("ch:surround")));
    EXPECT_FALSE(parseSoundQuery(QStringLiteral("tag:")));
    EXPECT_EQ(parseSoundQuery(QStringLiteral("http://x"))->words.size(), 1);
}

TEST_F(SoundIndexTest, FindsByWordPrefixInNameAndFolderWithFilters) {
    const QByteArray drums = folder("Drums");
    writeBytes(drums + "/Kick Deep.wav", wav(1.0));
    writeBytes(drums + "/Snare_Tight.WAV", wav(3.0, 2));
    writeBytes(top + "/Ünïcode Bell.wav", wav(0.5));
    writeBytes(top + "/caf\xe9 latin.wav", wav(0.5)); // not UTF-8
    writeBytes(top + "/notes.txt", "no sound");
    writeBytes(top + "/broken.wav", "RIFF junk");
    const ScanReport report = scan();
    EXPECT_EQ(report.soundsRead, 5);
    EXPECT_TRUE(report.problems.isEmpty());

    EXPECT_EQ(names(QStringLiteral("kic")), QStringList{QStringLiteral("Kick Deep.wav")});
    EXPECT_EQ(names(QStringLiteral("TIGHT")), QStringList{QStringLiteral("Snare_Tight.WAV")});
    EXPECT_EQ(names(QStringLiteral("drum")).size(), 2); // the folder's name
    EXPECT_EQ(names(QStringLiteral("drum deep")), QStringList{QStringLiteral("Kick Deep.wav")});
    EXPECT_EQ(names(QStringLiteral("unicode")), QStringList{QStringLiteral("Ünïcode Bell.wav")});
    EXPECT_EQ(names(QStringLiteral("latin")).size(), 1);
    EXPECT_EQ(names(QStringLiteral("broken")).size(), 1);         // findable, without facts
    EXPECT_EQ(names(QStringLiteral("sec:<2 ch:mono")).size(), 3); // broken.wav has no channels
    EXPECT_EQ(names(QStringLiteral("sec:>2")), QStringList{QStringLiteral("Snare_Tight.WAV")});
    EXPECT_EQ(names(QStringLiteral("ch:stereo")), QStringList{QStringLiteral("Snare_Tight.WAV")});
    EXPECT_TRUE(names(QStringLiteral("wav")).isEmpty()); // the extension is no word
    EXPECT_TRUE(names(QStringLiteral("\"; $x & <y>")).isEmpty());

    const std::optional<IndexedSound> latin = index->sound(top + "/caf\xe9 latin.wav");
    ASSERT_TRUE(latin);
    EXPECT_EQ(latin->channels, 1);
}

TEST_F(SoundIndexTest, ANewTreeReadAheadIsIndexedWholeAndThenTrusted) {
    int sounds = 0;
    for (const char* pack : {"Alpha", "Beta", "Gamma"}) {
        const QByteArray packFolder = folder(pack);
        for (int f = 0; f < 4; ++f) {
            const QByteArray sub = packFolder + "/Part" + QByteArray::number(f);
            ::mkdir(sub.constData(), 0755);
            for (int s = 0; s <= f; ++s, ++sounds)
                writeBytes(sub + "/tone" + QByteArray::number(s) + ".wav", wav(1.0 + s, 2));
        }
    }
    const ScanReport first = scan();
    EXPECT_EQ(first.soundsRead, sounds);
    EXPECT_EQ(first.foldersRead, 1 + 3 + 3 * 4);
    EXPECT_EQ(names(QStringLiteral("gamma part3")).size(), 4);
    EXPECT_EQ(names(QStringLiteral("beta tone2 ch:stereo sec:>2.5")).size(), 2);
    const ScanReport again = scan();
    EXPECT_EQ(again.soundsRead, 0);
    EXPECT_EQ(again.foldersRead, 0);
    EXPECT_EQ(again.foldersUnchanged, first.foldersRead);
}

TEST(FolderReadAhead, GivesEachAskedFolderItsOwnListingInAnyOrder) {
    QTemporaryDir dir;
    const QByteArray top = bytesOf(dir.path());
    for (const char* name : {"/a", "/b", "/b/inner"})
        ::mkdir((top + name).constData(), 0755);
    writeBytes(top + "/a/one.wav", wav(1.0));
    writeBytes(top + "/b/two.wav", wav(2.0));
    writeBytes(top + "/b/three.wav", wav(3.0));
    {
        FolderReadAhead ahead(2);
        ahead.ask({top + "/a", top + "/b", top + "/gone"});
        const std::optional<NewFolderRead> b = ahead.take(top + "/b");
        ASSERT_TRUE(b && b->listed);
        EXPECT_EQ(b->sounds.size(), 2u);
        EXPECT_EQ(b->subfolders, std::vector<QByteArray>{"inner"});
        const std::optional<NewFolderRead> a = ahead.take(top + "/a");
        ASSERT_TRUE(a && a->listed);
        ASSERT_EQ(a->sounds.size(), 1u);
        EXPECT_EQ(a->sounds[0].name, "one.wav");
        EXPECT_NEAR(a->sounds[0].seconds, 1.0, 0.01);
        EXPECT_EQ(ahead.take(top + "/gone")->outcome, foldertree::StatOutcome::Missing);
        EXPECT_FALSE(ahead.take(top + "/b/inner")); // never asked for
        ahead.ask({top + "/b/inner", top + "/a"});  // left untaken: the end must not wait
    }
}

TEST_F(SoundIndexTest, ReadsTitlesCommentsAndDescriptionsAsWords) {
    QByteArray info("INFO");
    info += makeChunk("INAM", "Morning Birdsong");
    info += makeChunk("ICMT", "recorded at dawn");
    QByteArray bext(602, '\0');
    bext.replace(0, 14, "Harbour ambience");
    writeBytes(top + "/a.wav", wav(1, 1, makeChunk("LIST", info)));
    writeBytes(top + "/b.wav", wav(1, 1, makeChunk("bext", bext)));
    scan();
    EXPECT_EQ(names(QStringLiteral("dawn birdsong")), QStringList{QStringLiteral("a.wav")});
    EXPECT_EQ(names(QStringLiteral("harbour")), QStringList{QStringLiteral("b.wav")});
}

TEST_F(SoundIndexTest, RescanReadsOnlyWhatChangedAndFollowsAddRenameRemove) {
    const QByteArray a = folder("A");
    const QByteArray b = folder("B");
    folder("B/Deep");
    writeBytes(a + "/one.wav", wav(1));
    writeBytes(b + "/two.wav", wav(1));
    writeBytes(top + "/B/Deep/three.wav", wav(1));
    EXPECT_EQ(scan().soundsRead, 3);

    const ScanReport unchanged = scan();
    EXPECT_EQ(unchanged.soundsRead, 0);
    EXPECT_EQ(unchanged.foldersRead, 0);
    EXPECT_EQ(unchanged.foldersUnchanged, 4);

    writeBytes(a + "/four.wav", wav(1));
    ASSERT_EQ(::rename((b + "/two.wav").constData(), (b + "/zwei.wav").constData()), 0);
    ASSERT_TRUE(QDir(nativename::decode(top + "/B/Deep")).removeRecursively());
    const ScanReport changed = scan();
    EXPECT_EQ(changed.soundsRead, 2); // four and zwei; one is not read again
    EXPECT_EQ(names(QStringLiteral("zwei")), QStringList{QStringLiteral("zwei.wav")});
    EXPECT_TRUE(names(QStringLiteral("two")).isEmpty());
    EXPECT_TRUE(names(QStringLiteral("three")).isEmpty());
    EXPECT_EQ(index->foldersUnder(top).size(), 3u);

    EXPECT_EQ(scan(0).foldersUnchanged, 1); // deeper than asked: forgotten
    EXPECT_TRUE(names(QStringLiteral("zwei")).isEmpty());
}

TEST_F(SoundIndexTest, AMissingTopFolderIsMarkedOfflineAndKept) {
    writeBytes(folder("Sub") + "/kept.wav", wav(1));
    scan();
    const QByteArray away = bytesOf(dbDir.filePath(QStringLiteral("unmounted")));
    ASSERT_EQ(::rename(top.constData(), away.constData()), 0);
    const ScanReport report = scan();
    ASSERT_EQ(::rename(away.constData(), top.constData()), 0);
    EXPECT_EQ(report.offline.size(), 1);
    std::vector<IndexedSound> found = index->find(*parseSoundQuery(QStringLiteral("kept")), 10);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].offline);

    scan();
    found = index->find(*parseSoundQuery(QStringLiteral("kept")), 10);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FALSE(found[0].offline);
}

TEST_F(SoundIndexTest, LinkLoopsAndUnreadableFoldersAreSurvived) {
    const QByteArray loop = folder("Loop");
    writeBytes(loop + "/inside.wav", wav(1));
    ASSERT_EQ(::symlink(top.constData(), (loop + "/back").constData()), 0);
    const QByteArray closed = folder("Closed");
    writeBytes(closed + "/hidden.wav", wav(1));
    ::chmod(closed.constData(), 0);
    const ScanReport report = scan();
    ::chmod(closed.constData(), 0755);
    EXPECT_EQ(names(QStringLiteral("inside")).size(), 1);
    if (::geteuid() != 0) {
        EXPECT_EQ(report.problems.size(), 1);
    }
}

TEST_F(SoundIndexTest, AFolderBroughtUpToDateAloneIsNamedAndLimitedFromItsTop) {
    const QByteArray deep = folder("Drums") + "/Deep";
    ::mkdir(deep.constData(), 0755);
    ::mkdir((deep + "/Deeper").constData(), 0755);
    scan(2);
    writeBytes(deep + "/snare.wav", wav(1));
    writeBytes(deep + "/Deeper/far.wav", wav(1));
    IndexScanner scanner(*index, 2);
    scanner.setCollection({top});
    EXPECT_EQ(scanner.scan({deep}, IndexScanner::Covers::TopsOnly).soundsRead, 1);
    EXPECT_EQ(names(QStringLiteral("drums snare")), QStringList{QStringLiteral("snare.wav")});
    EXPECT_TRUE(names(QStringLiteral("far")).isEmpty()) << "deeper than the collection goes";
}

TEST_F(SoundIndexTest, AnIndexRunWhileAnotherProgramHoldsTheIndexAsksThatOne) {
    const QString file = dbDir.filePath(QStringLiteral("library.db"));
    const WriterLock window(indexplaces::lockFile(file));
    IndexRun run;
    run.indexFile = file;
    run.tops = {top};
    run.wholeCollection = false;
    std::vector<QByteArray> asked;
    run.askWriter = [&](const std::vector<QByteArray>& folders) {
        asked = folders;
        return true;
    };
    QString text;
    QTextStream errors(&text);
    EXPECT_EQ(indexFromCommandLine(run, errors), 0);
    EXPECT_EQ(asked, std::vector<QByteArray>{top});
    EXPECT_TRUE(text.contains(QStringLiteral("asked"))) << text.toStdString();
    run.askWriter = [](const std::vector<QByteArray>&) { return false; }; // nobody listens
    EXPECT_EQ(indexFromCommandLine(run, errors), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("try again"))) << text.toStdString();
}

TEST_F(SoundIndexTest, TagsRoundTripAndSurviveRescanAndReopen) {
    writeBytes(top + "/bell.wav", wav(1));
    writeBytes(top + "/gong.wav", wav(1));
    scan();
    const QByteArray bell = top + "/bell.wav";
    EXPECT_TRUE(index->addTag(bell, QStringLiteral("  Metal ")));
    EXPECT_TRUE(index->addTag(bell, QStringLiteral("metal"))); // the same tag
    EXPECT_TRUE(index->addTag(bell, QStringLiteral("ring")));
    EXPECT_FALSE(index->addTag(top + "/none.wav", QStringLiteral("x")));
    EXPECT_EQ(index->tags(bell), (QStringList{"Metal", "ring"}));
    EXPECT_EQ(names(QStringLiteral("tag:METAL")), QStringList{QStringLiteral("bell.wav")});
    EXPECT_EQ(names(QStringLiteral("ring")), QStringList{QStringLiteral("bell.wav")});

    writeBytes(top + "/new.wav", wav(1));
    scan();
    openIndex();
    EXPECT_EQ(index->tags(bell), (QStringList{"Metal", "ring"}));
    EXPECT_TRUE(index->removeTag(bell, QStringLiteral("ring")));
    EXPECT_TRUE(names(QStringLiteral("ring")).isEmpty());
    EXPECT_EQ(names(QStringLiteral("tag:metal")), QStringList{QStringLiteral("bell.wav")});
}

// A silent sound is measured (-inf), unlike one that could not be: it is not measured again
// and not shown as "not measured yet".
TEST_F(SoundIndexTest, LoudnessKeepsSilenceApartFromSoundsThatCannotBeMeasured) {
    for (const char* name : {"/loud.wav", "/silent.wav", "/broken.wav", "/later.wav"})
        writeBytes(top + name, wav(1));
    scan();
    EXPECT_TRUE(index->setLoudness(top + "/loud.wav", -14.5, -0.3));
    EXPECT_TRUE(index->setLoudness(top + "/silent.wav", -INFINITY, -INFINITY));
    EXPECT_TRUE(index->setLoudness(top + "/broken.wav", NAN, NAN));
    EXPECT_EQ(index->withoutLoudness(10), std::vector<QByteArray>{top + "/later.wav"});
    const auto loud = index->sound(top + "/loud.wav");
    EXPECT_TRUE(loud->measured);
    EXPECT_EQ(loud->loudness, -14.5);
    EXPECT_EQ(loud->truePeak, -0.3);
    const auto silent = index->sound(top + "/silent.wav");
    EXPECT_EQ(silent->loudness, -INFINITY);
    EXPECT_EQ(silent->truePeak, -INFINITY);
    const auto broken = index->sound(top + "/broken.wav");
    EXPECT_TRUE(broken->measured);
    EXPECT_FALSE(broken->loudness);
    EXPECT_FALSE(index->sound(top + "/later.wav")->measured);
}

TEST_F(SoundIndexTest, ADamagedIndexIsSetAsideAndBuiltAgain) {
    index.reset();
    const QString file = dbDir.filePath(QStringLiteral("library.db"));
    QFile::remove(file + QStringLiteral("-wal"));
    QFile::remove(file + QStringLiteral("-shm"));
    writeBytes(bytesOf(file), QByteArray(8192, 'x'));
    QString report;
    index = SqliteSoundIndex::open(file, &report);
    ASSERT_TRUE(index);
    EXPECT_TRUE(report.contains(QStringLiteral("damaged"))) << report.toStdString();
    writeBytes(top + "/back.wav", wav(1));
    scan();
    EXPECT_EQ(names(QStringLiteral("back")).size(), 1);
    EXPECT_TRUE(QFile::exists(file + QStringLiteral(".broken")));
}

TEST_F(SoundIndexTest, AKilledScanLeavesAUsableIndex) {
    for (int f = 0; f < 60; ++f) {
        const QByteArray sub = folder(QByteArray::number(f).constData());
        for (int s = 0; s < 40; ++s)
            writeBytes(sub + "/s" + QByteArray::number(s) + ".wav", wav(0.1));
    }
    index.reset();
    const QString file = dbDir.filePath(QStringLiteral("library.db"));
    exitOfForked(
        [&] {
            auto child = SqliteSoundIndex::open(file, nullptr);
            IndexScanner(*child).scan({top});
            for (;;)
                ::pause(); // killed here if it was not killed while scanning
            return 0;
        },
        std::chrono::milliseconds(150));
    openIndex();
    scan();
    EXPECT_EQ(index->find(*parseSoundQuery(QStringLiteral("s39")), 10000).size(), 60u);
    EXPECT_EQ(index->find(*parseSoundQuery(QStringLiteral("ch:mono")), 10000).size(), 2400u);
}

TEST(WriterLock, OneHolderAtATimeAndFreedWhenItEnds) {
    QTemporaryDir dir;
    const QByteArray path = bytesOf(dir.filePath(QStringLiteral("library.db.lock")));
    {
        WriterLock first(path);
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(WriterLock(path).held());
    }
    EXPECT_TRUE(WriterLock(path).held());
}

} // namespace
