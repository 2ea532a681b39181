// The registry store over its two REGEDIT4 files, through CRegistryKey as its callers use it.
#include "platform/RegistryFileStore.h"
#include "platform/RegistryKey.h"
#include "tests/support/Forked.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const QString kEvent = QStringLiteral("AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current");
const QString kThemes = QStringLiteral("Software\\Themes");

QByteArray seed() {
    return "REGEDIT4\n\n[HKEY_CURRENT_USER\\" + kEvent.toUtf8() +
           "]\n\n[HKEY_LOCAL_MACHINE\\Software\\Themes]\n\"Path\"=\"/home/u/Themes\"\n";
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class RegistryStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RegistryFiles files{dir.filePath("config/tembrel/registry.reg"),
                        dir.filePath("run/tembrel/registry.reg"), seed()};
    RegistryFileStore store{files};
};

TEST_F(RegistryStoreTest, FirstUseKeepsTheSeedAndWritesSeededKeysThere) {
    CRegistryKey key(store);
    QString path = "old";
    ASSERT_EQ(key.Create(RegRoot::LocalMachine, kThemes), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("path", path), regstatus::kSuccess);
    EXPECT_EQ(path, "/home/u/Themes");
    EXPECT_EQ(key.QueryStringValue("Missing", path), regstatus::kFileNotFound);

    ASSERT_EQ(key.Create(RegRoot::CurrentUser, kEvent), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("", path), regstatus::kFileNotFound);
    ASSERT_EQ(key.SetStringValue("", "/home/u/a \"b\" \\ é.wav"), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("", path), regstatus::kSuccess);
    EXPECT_EQ(path, "/home/u/a \"b\" \\ é.wav");
    EXPECT_TRUE(readAll(files.persistent).contains("@=\"/home/u/a \\\"b\\\" \\\\ é.wav\""));
    EXPECT_FALSE(QFile::exists(files.volatileKeys)); // the event key was not new
}

TEST_F(RegistryStoreTest, NewKeysAreVolatileAndOnlyInTheSessionFile) {
    CRegistryKey key(store);
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, "Software\\New\\Key"), regstatus::kSuccess);
    ASSERT_EQ(key.SetStringValue("Name", "line one\nline two"), regstatus::kSuccess);
    EXPECT_FALSE(readAll(files.persistent).contains("New"));
    EXPECT_TRUE(readAll(files.volatileKeys).contains("[HKEY_CURRENT_USER\\Software\\New\\Key]"));

    RegistryFileStore again(files); // another run of the program in the same session
    QString value;
    CRegistryKey reopened(again);
    ASSERT_EQ(reopened.Create(RegRoot::CurrentUser, "software\\NEW\\key"), regstatus::kSuccess);
    EXPECT_EQ(reopened.QueryStringValue("name", value), regstatus::kSuccess);
    EXPECT_EQ(value, "line one\nline two");

    QFile::remove(files.volatileKeys); // the session ended
    EXPECT_EQ(reopened.QueryStringValue("name", value), regstatus::kFileNotFound);
}

TEST_F(RegistryStoreTest, AReadCopiesFewerThan200BytesWithTheTerminator) {
    CRegistryKey key(store);
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, kEvent), regstatus::kSuccess);
    QString out = "kept";
    ASSERT_EQ(key.SetStringValue("", QString(199, 'a')), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("", out), regstatus::kSuccess);
    EXPECT_EQ(out.size(), 199);

    out = "kept";
    ASSERT_EQ(key.SetStringValue("", QString(200, 'a')), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("", out), regstatus::kMoreData);
    ASSERT_EQ(key.SetStringValue("", QString(100, QChar(0xE9))), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("", out), regstatus::kMoreData); // 200 bytes of UTF-8
    EXPECT_EQ(out, "kept");
}

TEST_F(RegistryStoreTest, AClosedKeyReadsAndWritesNothing) {
    CRegistryKey key(store);
    QString out;
    EXPECT_EQ(key.SetStringValue("", "x"), regstatus::kInvalidHandle);
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, kEvent), regstatus::kSuccess);
    key.Close();
    EXPECT_EQ(key.QueryStringValue("", out), regstatus::kInvalidHandle);
}

TEST_F(RegistryStoreTest, ABrokenFileGivesAnErrorAndIsNeverWrittenOver) {
    for (const QByteArray& broken :
         {QByteArray("not a registry file\n"),
          QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n@=\"unterminated\n"),
          QByteArray("REGEDIT4\n@=\"value before any key\"\n"), QByteArray("\xff\xfe\x00")}) {
        writeAll(files.persistent, broken);
        CRegistryKey key(store);
        QString out;
        EXPECT_EQ(key.Create(RegRoot::CurrentUser, "Software\\Other"), regstatus::kBadDatabase);
        EXPECT_EQ(key.SetStringValue("", "x"), regstatus::kInvalidHandle);
        EXPECT_EQ(store.setString(RegRoot::CurrentUser, kEvent, "", "x"), regstatus::kBadDatabase);
        EXPECT_EQ(readAll(files.persistent), broken);
        EXPECT_FALSE(QFile::exists(files.volatileKeys));
    }
}

TEST_F(RegistryStoreTest, AFifoInTheFilesPlaceIsABrokenFileAndNeverBlocks) {
    QDir().mkpath(QFileInfo(files.persistent).absolutePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(files.persistent).constData(), 0600), 0);
    const auto exit = exitOfForked([&] {
        CRegistryKey key(store);
        return key.Create(RegRoot::CurrentUser, "Software\\Other") == regstatus::kBadDatabase ? 0
                                                                                              : 1;
    });
    EXPECT_EQ(exit, 0) << "blocked, or the pipe read as a registry";
}

TEST_F(RegistryStoreTest, ValuesOfOtherTypesSurviveAWrite) {
    writeAll(files.persistent, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + kEvent.toUtf8() +
                                   "]\r\n\"Count\"=dword:00000010\r\n");
    CRegistryKey key(store);
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, kEvent), regstatus::kSuccess);
    ASSERT_EQ(key.SetStringValue("", "/a.wav"), regstatus::kSuccess);
    EXPECT_TRUE(readAll(files.persistent).contains("\"Count\"=dword:00000010\r\n@=\"/a.wav\"\r\n"));
}

TEST_F(RegistryStoreTest, AChangeKeepsEveryOtherByteOfAHandEditedFile) {
    const QByteArray event = "[HKEY_CURRENT_USER\\" + kEvent.toUtf8() + "]";
    const QByteArray before =
        "\xEF\xBB\xBFREGEDIT4\n; kept \xff\xfe not UTF-8\n\n" + event +
        "\n  @=\"/old.wav\"   \n\"Other\"=\"x\"\n\n[HKEY_CURRENT_USER\\Software\\A]\n"
        "\"V\"=\"1\"\n\n" +
        event + "\n\"Other\"=\"y\"\n; last line, no line end";
    writeAll(files.persistent, before);
    CRegistryKey key(store);
    QString out;
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, kEvent), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("other", out), regstatus::kSuccess);
    EXPECT_EQ(out, "y"); // the later of the repeated key's values

    ASSERT_EQ(key.SetStringValue("", "/new.wav"), regstatus::kSuccess);
    QByteArray expected = before;
    expected.replace("  @=\"/old.wav\"   ", "@=\"/new.wav\"");
    EXPECT_EQ(readAll(files.persistent), expected);

    // A new value goes into the key's last section, a new key below the last line.
    ASSERT_EQ(key.SetStringValue("Added", "z"), regstatus::kSuccess);
    ASSERT_EQ(key.Create(RegRoot::CurrentUser, "Software\\A"), regstatus::kSuccess);
    ASSERT_EQ(key.SetStringValue("V", "2"), regstatus::kSuccess);
    ASSERT_EQ(store.setString(RegRoot::CurrentUser, "Software", "", "b"), regstatus::kSuccess);
    expected.replace("\"Other\"=\"y\"\n", "\"Other\"=\"y\"\n\"Added\"=\"z\"\n");
    expected.replace("\"V\"=\"1\"", "\"V\"=\"2\"");
    expected += "\n\n[HKEY_CURRENT_USER\\Software]\n@=\"b\"\n";
    EXPECT_EQ(readAll(files.persistent), expected);
}

TEST(RegistryStoreUnwritable, ReadsWorkAndChangesFailWithoutLosingAnything) {
    QTemporaryDir dir;
    writeAll(dir.filePath("blocker"), "a file where the folders should be");
    RegistryFiles files{dir.filePath("blocker/registry.reg"),
                        dir.filePath("blocker/run/registry.reg"), seed()};
    RegistryFileStore store(files);
    CRegistryKey key(store);
    QString path;
    ASSERT_EQ(key.Create(RegRoot::LocalMachine, kThemes), regstatus::kSuccess);
    EXPECT_EQ(key.QueryStringValue("Path", path), regstatus::kSuccess);
    EXPECT_EQ(key.SetStringValue("Path", "/x"), regstatus::kCannotWrite);
    EXPECT_EQ(key.Create(RegRoot::CurrentUser, "Software\\New"), regstatus::kCannotWrite);
    EXPECT_EQ(readAll(dir.filePath("blocker")), "a file where the folders should be");
}

// Without a session runtime folder the volatile keys go to a folder in the temporary folder
// only this user can enter; anything another user (or a link) put in its place is not used.
TEST(RegistryRuntimeFolder, IsMadePrivateAndRefusedWhenSomeoneElsePutSomethingThere) {
    QTemporaryDir home;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR"), savedTmp = qgetenv("TMPDIR"),
                     savedConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", home.filePath("tmp").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    QDir().mkpath(home.filePath("tmp"));
    const QString planted = home.filePath("tmp/tembrel-runtime-") + QString::number(::geteuid());
    const QString fallback = home.filePath("config/tembrel/runtime/tembrel/registry.reg");
    const auto modeOf = [](const QString& path) {
        struct stat info {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
    };

    EXPECT_EQ(defaultRegistryFiles({}).volatileKeys, planted + "/tembrel/registry.reg");
    EXPECT_EQ(modeOf(planted), 0700u);

    ASSERT_EQ(::chmod(QFile::encodeName(planted).constData(), 0755), 0);
    EXPECT_EQ(defaultRegistryFiles({}).volatileKeys, fallback);
    EXPECT_EQ(modeOf(home.filePath("config/tembrel/runtime")), 0700u);

    QDir().rmdir(planted);
    ASSERT_TRUE(QDir().mkpath(home.filePath("elsewhere")));
    ::chmod(QFile::encodeName(home.filePath("elsewhere")).constData(), 0700);
    ASSERT_TRUE(QFile::link(home.filePath("elsewhere"), planted));
    EXPECT_EQ(defaultRegistryFiles({}).volatileKeys, fallback);

    if (::geteuid() == 0) { // only root can make a folder another user's
        QFile::remove(planted);
        ASSERT_EQ(::mkdir(QFile::encodeName(planted).constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(planted).constData(), 12345, 12345), 0);
        EXPECT_EQ(defaultRegistryFiles({}).volatileKeys, fallback);
    }
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("TMPDIR", savedTmp);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

} // namespace
