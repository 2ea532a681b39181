#include "platform/QtUi.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

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
