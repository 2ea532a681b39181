#include "browser/CursorThemes.h"
#include "resources/cursors/CursorWriter.h"
#include "tests/browser/MainWindowFixture.h"

#include "platform/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>

namespace {

class CursorThemes : public MainWindowFixture {
protected:
    void useTheme(int number) {
        settings::writeString("Cursor", "Current", QString::number(number), program.dataFile());
    }
    QImage frame(QColor colour) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(colour);
        return image;
    }
};

TEST_F(CursorThemes, TheTableNamesTwelveThemesAndNothingElse) {
    EXPECT_STREQ(cursorTheme(1)->listText, "Windows Standard");
    EXPECT_EQ(cursorTheme(1)->normalFile, nullptr);
    EXPECT_STREQ(cursorTheme(4)->normalFile, "Bin/Cursors/NatureNormal.cur");
    EXPECT_STREQ(cursorTheme(12)->busyFile, "Bin/Cursors/KnightWait.ani");
    EXPECT_EQ(cursorTheme(0), nullptr);
    EXPECT_EQ(cursorTheme(13), nullptr);
}

TEST_F(CursorThemes, ThemeOneUsesTheSystemCursors) {
    useTheme(1);
    EXPECT_TRUE(window().hasNormalCursor());
    EXPECT_EQ(window().normalCursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(window().busyCursor().shape(), Qt::WaitCursor);
}

TEST_F(CursorThemes, AnUnknownThemeOrMissingFilesLeaveThePlatformCursor) {
    useTheme(13);
    EXPECT_FALSE(window().hasNormalCursor());
    assembly.reset();
    useTheme(7); // its files are not in this program directory
    EXPECT_FALSE(window().hasNormalCursor());
}

TEST_F(CursorThemes, FileThemesLoadTheirPicturesAndHotspots) {
    useTheme(4);
    QDir().mkpath(program.path() + "Bin/Cursors");
    program.writeFile(program.path() + "Bin/Cursors/NatureNormal.cur",
                      cursorfile::curBytes(frame(Qt::green), QPoint(3, 5)));
    program.writeFile(program.path() + "Bin/Cursors/NatureWait.ani",
                      cursorfile::aniBytes({frame(Qt::red), frame(Qt::blue)}, QPoint(16, 16), {}));
    ASSERT_TRUE(window().hasNormalCursor());
    EXPECT_EQ(window().normalCursor().hotSpot(), QPoint(3, 5));
    EXPECT_EQ(window().busyCursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(window().cursor().hotSpot(), QPoint(3, 5));
}

TEST_F(CursorThemes, AnAnimatedCursorMovesOnlyWhileThePointerIsOnTheWindow) {
    useTheme(2);
    QDir().mkpath(program.path() + "Bin/Cursors");
    program.writeFile(program.path() + "Bin/Cursors/NotezNormal.ani",
                      cursorfile::aniBytes({frame(Qt::red), frame(Qt::blue)}, QPoint(1, 1), {}));
    ASSERT_TRUE(window().hasNormalCursor());
    EXPECT_FALSE(window().cursorAnimating());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&window(), &enter);
    EXPECT_TRUE(window().cursorAnimating());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&window(), &leave);
    EXPECT_FALSE(window().cursorAnimating());
}

} // namespace
