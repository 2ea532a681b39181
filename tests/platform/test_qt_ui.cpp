#include "platform/NativeName.h"
#include "platform/QtLauncher.h"
#include "platform/QtUi.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
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
    const QString copy = dir.filePath(QStringLiteral("copy.wav"));
    QtLauncher launcher;
    ASSERT_TRUE(launcher.startDetached("cp", {nativename::decode(source), copy}));
    for (int i = 0; i < 50 && !QFile::exists(copy); ++i)
        QThread::msleep(100);
    QFile copied(copy);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly)) << "cp was handed another file";
    EXPECT_EQ(copied.readAll(), QByteArray("RIFF"));
    EXPECT_FALSE(launcher.startDetached("no-such-program-here", {nativename::decode(source)}));
    ::unlink(source.constData()); // the temporary folder's cleanup could not spell it
}

} // namespace
