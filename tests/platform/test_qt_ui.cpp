#include "platform/NativeName.h"
#include "platform/QtLauncher.h"
#include "platform/QtUi.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Types name into the open-file dialog and presses Open; anything still open after that
// (a "File not found" box) is closed, so a failure cannot hang the test.
std::optional<QString> typeIntoOpenDialog(const QString& folder, const QString& name) {
    QtUi ui(nullptr);
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QTimer::singleShot(2000, [] {
        while (QWidget* open = QApplication::activeModalWidget())
            open->close();
    });
    return ui.openFileName(
        OpenFileRequest{"Add sound to collection", "Wave Sounds", "*.wav", folder, "wav"});
}

TEST(QtUiOpenFile, ANameTypedWithoutExtensionOpensTheWavOrElseTheUpperCaseWav) {
    QTemporaryDir dir;
    for (const char* name : {"lima.wav", "kilo.WAV"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(typeIntoOpenDialog(dir.path(), "lima"), dir.filePath("lima.wav"));
    EXPECT_EQ(typeIntoOpenDialog(dir.path(), "kilo"), dir.filePath("kilo.WAV"));
}

} // namespace

namespace {

TEST(QtLauncher, AnArgumentThatIsNotUtf8ReachesTheProgramAsTheFilesBytes) {
    QTemporaryDir dir;
    const QByteArray source = QFile::encodeName(dir.path()) + "/caf\xe9.wav";
    std::FILE* file = std::fopen(source.constData(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("RIFF", file);
    std::fclose(file);
    const QString moved = dir.filePath(QStringLiteral("moved.wav"));
    QtLauncher launcher;
    // mv renames in one step, so the file shows up whole; cp's copy would show up empty
    // first and be read before cp wrote to it.
    ASSERT_TRUE(launcher.startDetached("mv", {nativename::decode(source), moved}));
    for (int i = 0; i < 100 && !QFile::exists(moved); ++i)
        QThread::msleep(100);
    QFile arrived(moved);
    ASSERT_TRUE(arrived.open(QIODevice::ReadOnly)) << "mv was handed another file";
    EXPECT_EQ(arrived.readAll(), QByteArray("RIFF"));
    EXPECT_FALSE(launcher.startDetached("no-such-program-here", {nativename::decode(source)}));
    ::unlink(source.constData()); // left behind if mv failed; the cleanup could not spell it
}

TEST(QtLauncher, AWatchedProgramThatFailsReportsItsStatus) {
    QtLauncher launcher;
    std::optional<int> status;
    ASSERT_TRUE(launcher.startWatched("sh", {"-c", "exit 3"}, [&status](int s) { status = s; }));
    EXPECT_TRUE(QTest::qWaitFor([&status] { return status.has_value(); }, 10000));
    EXPECT_EQ(status, 3);
    EXPECT_FALSE(launcher.startWatched("no-such-program-here", {}, [](int) {}));
}

} // namespace
