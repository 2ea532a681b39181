#include "platform/LinkOpener.h"
#include "platform/XdgHtmlProgram.h"

#include "tests/support/FakeHtmlProgram.h"
#include "tests/support/FakeLauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kAddress = QStringLiteral("https://example.org/a b?x=1&y='2';$HOME<");

TEST(HtmlCommand, TheFieldCodeBecomesTheAddressAsOneArgument) {
    EXPECT_EQ(htmlCommandFor("firefox %u", kAddress), (QStringList{"firefox", kAddress}));
    EXPECT_EQ(htmlCommandFor("\"/opt/Web \\\"Br\\\"\" --url=%U %i %c", kAddress),
              (QStringList{"/opt/Web \"Br\"", "--url=" + kAddress}));
    EXPECT_EQ(htmlCommandFor("browser %f %u --ratio 100%%", kAddress),
              (QStringList{"browser", kAddress, "--ratio", "100%"}))
        << "the address goes in once; a second field code is dropped";
}

TEST(HtmlCommand, WithoutAFieldCodeTheAddressComesLastAndNoProgramGivesNothing) {
    EXPECT_EQ(htmlCommandFor("  lynx   -force_html ", kAddress),
              (QStringList{"lynx", "-force_html", kAddress}));
    EXPECT_TRUE(htmlCommandFor("   ", kAddress).isEmpty());
    EXPECT_TRUE(htmlCommandFor("%U", kAddress).isEmpty());
}

TEST(LinkOpener, TheDesktopFirstThenTheWebPageProgramThenTheReason) {
    FakeDesktop desktop;
    FakeHtmlProgram html;
    FakeLauncher launcher;
    LinkOpener opener(desktop, html, launcher);
    EXPECT_GT(opener.OpenLink(kAddress), 32);
    EXPECT_TRUE(launcher.started.isEmpty());

    desktop.succeed = false;
    EXPECT_EQ(opener.OpenLink(kAddress), linkresult::kNoAssociation);
    html.exec = QStringLiteral("web %u");
    EXPECT_GT(opener.OpenLink(kAddress), 32);
    EXPECT_EQ(launcher.started, (QList<QStringList>{{"web", kAddress}}));
    launcher.succeed = false;
    EXPECT_EQ(opener.OpenLink(kAddress), linkresult::kFileNotFound);
}

TEST(LinkErrorText, NamedCodesAndUnknownOnes) {
    EXPECT_EQ(linkErrorText(26),
              QStringLiteral("Unable to open hyperlink:\n\nA sharing violation occurred. "));
    EXPECT_EQ(linkErrorText(99), QStringLiteral("Unable to open hyperlink:\n\nUnknown Error (99) "
                                                "occurred."));
    EXPECT_EQ(linkErrorText(0), QStringLiteral("Unable to open hyperlink:\n\nThe operating system "
                                               "is out\nof memory or resources."));
}

TEST(DesktopEntry, ExecComesFromTheDesktopEntryGroupOnly) {
    const QString entry = "[Desktop Action new]\nExec=web --private %u\n"
                          "[Desktop Entry]\nName=Web\nExec = web %u\nTryExec=web\n";
    EXPECT_EQ(desktopEntryExec(entry), QStringLiteral("web %u"));
    EXPECT_FALSE(desktopEntryExec("[Desktop Entry]\nName=Web\n").has_value());
}

// The real look-up asks xdg-mime, which reads the user's mimeapps.list.
TEST(XdgHtmlProgram, FindsTheDefaultProgramsEntryInTheUsersFolders) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QDir(home.path()).mkpath("config");
    QDir(home.path()).mkpath("data/applications");
    QFile list(home.filePath("config/mimeapps.list"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\ntext/html=tembrel-test-web.desktop\n");
    list.close();
    // xdg-mime names only an entry whose program exists.
    const QString program = home.filePath("tembrel-web");
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile entry(home.filePath("data/applications/tembrel-test-web.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Web\nExec=" + program.toUtf8() +
                " --open %u\n");
    entry.close();
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                             "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID"})
        qunsetenv(name);
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", home.filePath("none").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", home.filePath("none").toLocal8Bit());
    XdgHtmlProgram htmlProgram;
    EXPECT_EQ(htmlProgram.execLine(), program + " --open %u");
    QFile::remove(home.filePath("data/applications/tembrel-test-web.desktop"));
    EXPECT_FALSE(htmlProgram.execLine().has_value()) << "an entry that is gone names no program";
}

} // namespace
