// The theme file and the registry script against exact bytes.
#include "schemes/EventTable.h"
#include "schemes/SchemeWriters.h"
#include "schemes/SoundTheme.h"
#include "tests/support/QtPrinters.h"

#include <QMap>
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
    // The row without an event writes nothing; the path beyond ASCII is UTF-16LE.
    EXPECT_EQ(registryScriptText(mixedRows()),
              head + lines({"[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\."
                            "Current]",
                            "@=\"/snd/ding.wav\"",
                            "[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\."
                            "Current]",
                            "@=hex(1):2f,00,73,00,6e,00,64,00,2f,00,e9,00,2e,00,77,00,61,00,76,00,"
                            "00,00"}));
    EXPECT_EQ(registryScriptText({{"a.wav", "C:\\Snd\\a.wav", "Maximize"}}).split('\n').last(2)[0],
              "@=\"C:\\\\Snd\\\\a.wav\"\r");
    EXPECT_TRUE(isOurRegistryScript(registryScriptText(mixedRows())));
    EXPECT_FALSE(isOurRegistryScript("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n"));
}

// What a REGEDIT4 importer files under each key: quoted strings unescaped, hex(1) as the
// UTF-16LE string it holds. Lines it cannot read are listed as they are.
QMap<QString, QString> imported(const QByteArray& script, QStringList& unread) {
    QMap<QString, QString> values;
    QString key;
    for (QByteArray line : script.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line == "REGEDIT4") {
            continue;
        } else if (line.startsWith('[') && line.endsWith(']') && line.contains('\\') &&
                   !line.endsWith("\\]")) {
            key = QString::fromLatin1(line.mid(1, line.size() - 2));
        } else if (line.startsWith("@=\"") && line.endsWith('"') && !key.isEmpty()) {
            QByteArray text = line.mid(3, line.size() - 4);
            text.replace("\\\"", "\"").replace("\\\\", "\\");
            values[key] = QString::fromLatin1(text); // the ANSI code page, at best
        } else if (line.startsWith("@=hex(1):") && !key.isEmpty()) {
            const QByteArray bytes = QByteArray::fromHex(line.mid(9).replace(',', ""));
            QString text(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
            EXPECT_TRUE(text.endsWith(QChar(0)));
            text.chop(1);
            values[key] = text;
        } else {
            unread << QString::fromUtf8(line);
        }
    }
    return values;
}

TEST(SchemeWriters, AnImporterFilesEveryPathUnderItsOwnEventLetterForLetter) {
    const auto keyOf = [](const char* caption) {
        const QString section = SectionForCaption(caption);
        return "HKEY_CURRENT_USER\\" + section.mid(1, section.size() - 2);
    };
    const QList<SchemeRow> rows{{"x.wav", "/snd/Grüße ☃ \"q\" \\ 😀.wav", "Maximize"},
                                {"n.wav", "/no/event.wav", ""},
                                {"b.wav", "/snd/a\nb.wav", "Mail Notification"},
                                {"m.wav", "/snd/plain.wav", "Mail Notification"}};
    QStringList unread;
    const QMap<QString, QString> values = imported(registryScriptText(rows), unread);
    EXPECT_TRUE(unread.isEmpty()) << unread.join('|').toStdString();
    EXPECT_EQ(values.size(), 2);
    EXPECT_EQ(values.value(keyOf("Maximize")), "/snd/Grüße ☃ \"q\" \\ 😀.wav");
    EXPECT_EQ(values.value(keyOf("Mail Notification")), "/snd/plain.wav");
    EXPECT_EQ(unscriptablePath(rows), "/snd/a\nb.wav");
    EXPECT_EQ(unscriptablePath(rows.mid(3)), std::nullopt);
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
