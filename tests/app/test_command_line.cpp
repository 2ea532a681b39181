#include "app/CommandLine.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(StartOptions, TheWordBlvSelectsTheSchemeBuilderOnlyWhenSpelledExactly) {
    EXPECT_TRUE(parseStartOptions({"blv"}).schemeBuilderOnly);
    EXPECT_FALSE(parseStartOptions({"BLV"}).schemeBuilderOnly);
    EXPECT_FALSE(parseStartOptions({}).schemeBuilderOnly);
    EXPECT_TRUE(parseStartOptions({"-Embedding", "blv"}).schemeBuilderOnly);
    EXPECT_FALSE(parseStartOptions({"other", "blv"}).schemeBuilderOnly);
    EXPECT_TRUE(commandLineHelp("tembrel").contains("\n       tembrel blv\n"));
}

TEST(StartOptions, EmbeddingAndAutomationSwitchesTurnTheSplashOff) {
    EXPECT_TRUE(parseStartOptions({}).showSplash);
    EXPECT_FALSE(parseStartOptions({"/Embedding"}).showSplash);
    EXPECT_FALSE(parseStartOptions({"-Automation"}).showSplash);
    EXPECT_TRUE(parseStartOptions({"Embedding"}).showSplash);
}

TEST(StartOptions, AWavFileIsTheSoundToShowEvenWhenItsPathStartsWithASlash) {
    const StartOptions fromDesktop = parseStartOptions({"/home/a b/Bell; $x.WAV"});
    EXPECT_EQ(fromDesktop.soundFile, QStringLiteral("/home/a b/Bell; $x.WAV"));
    EXPECT_TRUE(fromDesktop.showSplash) << "a path is no switch";
    EXPECT_FALSE(fromDesktop.schemeBuilderOnly);

    const StartOptions withSwitch = parseStartOptions({"-Embedding", "bell.wav", "blv"});
    EXPECT_EQ(withSwitch.soundFile, QStringLiteral("bell.wav"));
    EXPECT_TRUE(withSwitch.schemeBuilderOnly) << "the file is not the start word";
    EXPECT_TRUE(parseStartOptions({"notes.txt"}).soundFile.isEmpty());
}
