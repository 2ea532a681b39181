#include "app/CSplashWnd.h"
#include "tests/support/QtPrinters.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(Splash, ShowsOnceGoesAfter1500MsAndRepaintsTheMainWindow) {
    PaintCounter main;
    main.resize(100, 100);
    main.show();
    CSplashWnd::EnableSplashScreen(true);
    QElapsedTimer sinceShow;
    sinceShow.start();
    CSplashWnd::ShowSplashScreen(&main);
    CSplashWnd* first = CSplashWnd::current();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    CSplashWnd::ShowSplashScreen(&main);
    EXPECT_EQ(CSplashWnd::current(), first) << "a second show makes no second splash";

    const int paintsBefore = main.paints;
    QTest::qWait(1000);
    // A busy machine may wake this test late, and the coarse timer may fire up to 5% early:
    // only a check made before 1400 ms is sure to find the splash still up.
    if (sinceShow.elapsed() < 1400) {
        EXPECT_EQ(CSplashWnd::current(), first) << "still up before 1500 ms";
    }
    QTRY_VERIFY_WITH_TIMEOUT(CSplashWnd::current() == nullptr, 10000);
    EXPECT_GE(sinceShow.elapsed(), 1425) << "gone too early";
    EXPECT_GT(main.paints, paintsBefore);
}

TEST(Splash, DisabledSplashShowsNothing) {
    QWidget main;
    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::ShowSplashScreen(&main);
    EXPECT_EQ(CSplashWnd::current(), nullptr);
}

} // namespace
