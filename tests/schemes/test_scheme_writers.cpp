// The theme file and the registry script against exact bytes.
#include "schemes/EventTable.h"
#include "schemes/SchemeWriters.h"
#include "schemes/SoundTheme.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const char* const kRule38 = "--------------------------------------";
const char* const kRule49 = " ;-------------------------------------------------";

QByteArray lines(std::initializer_list<const char*> list) {
    QByteArray out;
    for (const char* line : list)
        out += QByteArray(line) + "\r\n";
    return out;
}

// Rows in dialog order: a mail sound, an empty row, a row with no event, the mail event again.
QList<SchemeRow> mixedRows() {
    return {{"ding.wav", "/snd/ding.wav", "Mail Notification"},
            {"", "", "Maximize"},
            {"odd \"name\".wav", "/other/odd \"name\".wav", ""},
            {"é.wav", "/snd/é.wav", "Mail Notification"}};
}

TEST(SchemeWriters, ThemeFileListsRowsInDialogOrder) {
    EXPECT_EQ(themeFileText("My Theme", {}),
              lines({kRule38, "This file was created by Tembrel", kRule38, "[MasterThemeSelector]",
                     "MTSM=DABJDKT"}));
    EXPECT_EQ(themeFileText("My Theme", mixedRows()),
              lines({kRule38, "This file was created by Tembrel", kRule38,
                     "[AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current]",
                     "DefaultValue=%ThemeDir%My Theme/My Theme notify.wav", "", "",
                     "DefaultValue=%ThemeDir%My Theme/My Theme ", "",
                     "[AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current]",
                     "DefaultValue=%ThemeDir%My Theme/My Theme notify.wav", "",
                     "[MasterThemeSelector]", "MTSM=DABJDKT"}));
}

TEST(SchemeWriters, ScriptNamesEachSoundByItsEscapedFullPath) {
    const QByteArray head = lines(
        {"REGEDIT4", "", kRule49, " ;This Registry Script was created by Tembrel", kRule49, ""});
    EXPECT_EQ(registryScriptText({}), head);
    EXPECT_EQ(registryScriptText(mixedRows()),
              head +
                  lines({"[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\."
                         "Current]",
                         "@=\"/snd/ding.wav\"", "[HKEY_CURRENT_USER\\",
                         "@=\"/other/odd \\\"name\\\".wav\"",
                         "[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\."
                         "Current]"}) +
                  "@=\"/snd/\xc3\xa9.wav\"\r\n");
    EXPECT_EQ(registryScriptText({{"a.wav", "C:\\Snd\\a.wav", "Maximize"}}).split('\n').last(2)[0],
              "@=\"C:\\\\Snd\\\\a.wav\"\r");
    EXPECT_TRUE(isOurRegistryScript(registryScriptText(mixedRows())));
    EXPECT_FALSE(isOurRegistryScript("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n"));
}

TEST(EventTable, LookUpsMatchExactly) {
    EXPECT_EQ(SectionForCaption("Default Sound"),
              "[AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current]");
    EXPECT_EQ(SectionForCaption("default sound"), "");
    EXPECT_EQ(SectionForCaption(""), "");
    EXPECT_EQ(ThemeFileNameForSection(SectionForCaption("Start Windows")), "startup.wav");
    EXPECT_EQ(ThemeFileNameForSection(""), "");
}

TEST(SoundThemeNames, BuiltThemesGetAPlainAsciiFolderName) {
    EXPECT_EQ(soundtheme::dirNameForTheme("My Theme"), "tembrel-my-theme");
    EXPECT_EQ(soundtheme::dirNameForTheme("Été, à $la \"plage\"; <ok>"),
              "tembrel-ete-a-la-plage-ok");
    EXPECT_EQ(soundtheme::dirNameForTheme("../x"), "tembrel-x");
    EXPECT_TRUE(soundtheme::dirNameForTheme("夏").startsWith("tembrel-"));
    EXPECT_NE(soundtheme::dirNameForTheme("夏"), soundtheme::dirNameForTheme("冬"));
}

} // namespace
