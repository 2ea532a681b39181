#include "widgets/CEtchedLine.h"
#include "widgets/CIconButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage picture(QWidget& widget) {
    return widget.grab().toImage();
}

// A flat button is drawn by hand: no edge at rest, raised under the pointer, sunken pressed.
class IconButtonTest : public ::testing::Test {
protected:
    IconButtonTest() {
        button.SetIcons(":/art/ok_hover.svg", ":/art/ok.svg");
        button.resize(60, 44);
        QPalette palette = button.palette();
        palette.setColor(QPalette::Button, QColor(200, 200, 200));
        palette.setColor(QPalette::Light, Qt::white);
        palette.setColor(QPalette::Dark, QColor(90, 90, 90));
        button.setPalette(palette);
        button.show();
        button.activateWindow();
        (void)QTest::qWaitForWindowActive(&button);
    }
    QColor topLeft() { return picture(button).pixelColor(0, 0); }

    CIconButton button;
};

TEST_F(IconButtonTest, AnIconWithoutCaptionIsCentredAtItsOwnSize) {
    EXPECT_EQ(button.iconPixelSize(), QSize(32, 32));
    const QImage image = picture(button);
    EXPECT_NE(image.pixelColor(30, 22), QColor(200, 200, 200)) << "icon in the middle";
    EXPECT_EQ(image.pixelColor(5, 22), QColor(200, 200, 200)) << "face beside it";
}

TEST_F(IconButtonTest, AFlatButtonShowsItsEdgeOnlyUnderThePointerAndSinksWhenPressed) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(topLeft(), QColor(200, 200, 200));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    ASSERT_TRUE(button.isMouseOver());
    EXPECT_EQ(topLeft(), QColor(Qt::white));
    button.setDown(true);
    EXPECT_EQ(topLeft(), QColor(90, 90, 90));
}

TEST_F(IconButtonTest, ANonFlatDefaultButtonHasABlackFrame) {
    button.SetFlat(false);
    button.setDefault(true);
    EXPECT_EQ(topLeft(), QColor(Qt::black));
}

TEST(EtchedLine, DrawsVerticallyWhenNarrowerThanTall) {
    CEtchedLine line;
    QPalette palette = line.palette();
    palette.setColor(QPalette::Dark, QColor(90, 90, 90));
    line.setPalette(palette);
    line.resize(20, 220);
    EXPECT_TRUE(line.isVertical());
    EXPECT_EQ(picture(line).pixelColor(9, 100), QColor(90, 90, 90));
    line.resize(270, 12);
    EXPECT_FALSE(line.isVertical());
    EXPECT_EQ(picture(line).pixelColor(100, 5), QColor(90, 90, 90));
}

} // namespace
