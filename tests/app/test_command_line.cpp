#include "app/CommandLine.h"
#include "core/FolderScan.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(StartOptions, TheWordBlvSelectsTheSchemeBuilderOnlyWhenSpelledExactly) {
    EXPECT_TRUE(parseStartOptions({"blv"}, "/start").schemeBuilderOnly);
    EXPECT_FALSE(parseStartOptions({"BLV"}, "/start").schemeBuilderOnly);
    EXPECT_FALSE(parseStartOptions({}, "/start").schemeBuilderOnly);
    EXPECT_TRUE(parseStartOptions({"-Embedding", "blv"}, "/start").schemeBuilderOnly);
    EXPECT_FALSE(parseStartOptions({"other", "blv"}, "/start").schemeBuilderOnly);
    EXPECT_TRUE(commandLineHelp("tembrel").contains("\n       tembrel blv\n"));
}

TEST(StartOptions, EmbeddingAndAutomationSwitchesTurnTheSplashOff) {
    EXPECT_TRUE(parseStartOptions({}, "/start").showSplash);
    EXPECT_FALSE(parseStartOptions({"/Embedding"}, "/start").showSplash);
    EXPECT_FALSE(parseStartOptions({"-Automation"}, "/start").showSplash);
    EXPECT_TRUE(parseStartOptions({"Embedding"}, "/start").showSplash);
}

TEST(StartOptions, AWavFileIsTheSoundToShowEvenWhenItsPathStartsWithASlash) {
    const StartOptions fromDesktop = parseStartOptions({"/home/a b/Bell; $x.WAV"}, "/start");
    EXPECT_EQ(fromDesktop.soundFile, QStringLiteral("/home/a b/Bell; $x.WAV"));
    EXPECT_TRUE(fromDesktop.showSplash) << "a path is no switch";
    EXPECT_FALSE(fromDesktop.schemeBuilderOnly);

    const StartOptions withSwitch = parseStartOptions({"-Embedding", "bell.wav", "blv"}, "/start");
    EXPECT_EQ(withSwitch.soundFile, QStringLiteral("/start/bell.wav"));
    EXPECT_TRUE(withSwitch.schemeBuilderOnly) << "the file is not the start word";
    EXPECT_TRUE(parseStartOptions({"notes.txt"}, "/start").soundFile.isEmpty());
}

TEST(StartOptions, ARelativeSoundIsTakenFromTheStartFolderNotFromTheCurrentOne) {
    EXPECT_EQ(parseStartOptions({"sub/../sub/a b.wav"}, "/home/u/my dir").soundFile,
              QStringLiteral("/home/u/my dir/sub/a b.wav"));
    EXPECT_EQ(parseStartOptions({"../x.WAV"}, "/home/u").soundFile, QStringLiteral("/home/x.WAV"));
}

TEST(StartOptions, ASoundOfAnotherTypeIsKeptApartAndStillCountsAsTheStartWord) {
    useOtherSoundEndings({".flac"});
    const StartOptions flac = parseStartOptions({"a b.FLAC", "blv"}, "/start");
    EXPECT_EQ(flac.otherSoundFile, QStringLiteral("/start/a b.FLAC"));
    EXPECT_TRUE(flac.soundFile.isEmpty());
    EXPECT_FALSE(flac.schemeBuilderOnly) << "read as before where only WAV files are shown";
    const StartOptions both = parseStartOptions({"/x/a.flac", "/x/b.wav"}, "/start");
    EXPECT_EQ(both.anySoundFile(), QStringLiteral("/x/b.wav"));
    useOtherSoundEndings({});
}

TEST(ConsoleTask, IndexTakesFoldersAndSearchTakesEveryWordAfterIt) {
    const auto index = parseConsoleTask({"--index", "/a b", "c"});
    ASSERT_TRUE(index);
    EXPECT_EQ(index->kind, ConsoleTask::Kind::IndexSounds);
    EXPECT_EQ(index->folders, (QStringList{"/a b", "c"}));
    EXPECT_TRUE(parseConsoleTask({"--index"})->folders.isEmpty());

    const auto search = parseConsoleTask({"--search", "kick", "--odd", "sec:<2"});
    ASSERT_TRUE(search);
    EXPECT_EQ(search->kind, ConsoleTask::Kind::SearchSounds);
    EXPECT_EQ(search->words, QStringLiteral("kick --odd sec:<2"));
    EXPECT_EQ(parseConsoleTask({"--search"})->kind, ConsoleTask::Kind::Mistake);
}
