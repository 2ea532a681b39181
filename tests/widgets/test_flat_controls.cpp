#include "widgets/CColorLabel.h"
#include "widgets/CFlatScrollBars.h"
#include "widgets/CHoverCombo.h"
#include "widgets/CHoverEdit.h"
#include "widgets/CHoverList.h"

#include <QCursor>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kFace(200, 200, 200);
const QColor kHighlight(255, 255, 255);
const QColor kShadow(90, 90, 90);

// Shows the control at a known place in known colours.
void prepare(QWidget& control, QSize size = {120, 24}) {
    QPalette p = control.palette();
    p.setColor(QPalette::Button, kFace);
    p.setColor(QPalette::Light, kHighlight);
    p.setColor(QPalette::Dark, kShadow);
    control.setPalette(p);
    control.setGeometry(QRect(QPoint(100, 100), size));
    control.show();
    (void)QTest::qWaitForWindowExposed(&control);
}

QColor pixel(QWidget& control, int x, int y) {
    const QImage image = control.grab().toImage();
    return image.pixelColor((x + image.width()) % image.width(),
                            (y + image.height()) % image.height());
}

// The pointer goes to a point of the control (or beside it) and moves there.
void movePointer(QWidget& control, QPoint local) {
    QCursor::setPos(control.mapToGlobal(local));
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(control.mapToGlobal(local)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &move);
}

void pointerAway() {
    QCursor::setPos(QPoint(5, 5));
}

TEST(HoverEdit, LightsWhilePointerIsOverAndTurnsColdWhenItLeaves) {
    CHoverEdit edit;
    prepare(edit);
    EXPECT_EQ(pixel(edit, 0, 0), kFace);
    movePointer(edit, {10, 10});
    QTRY_VERIFY(edit.isHot());
    EXPECT_EQ(pixel(edit, 0, 0), kShadow);
    EXPECT_EQ(pixel(edit, -1, -1), kHighlight);
    pointerAway();
    QTRY_VERIFY(!edit.isHot());
    EXPECT_EQ(pixel(edit, 0, 0), kFace);
    EXPECT_EQ(pixel(edit, 1, 1), kFace);
    edit.setEnabled(false);
    EXPECT_EQ(pixel(edit, 1, 1), kHighlight) << "a disabled edit's inner frame";
}

TEST(HoverEdit, RidgesSitBesideTheTextUnlessTurnedOff) {
    CHoverEdit edit;
    prepare(edit);
    EXPECT_EQ(pixel(edit, 4, 12), kHighlight);
    EXPECT_EQ(pixel(edit, 5, 12), kShadow);
    const int leftMargin = edit.textMargins().left();
    edit.setLeftRidges(false);
    edit.setRightRidge(false);
    EXPECT_NE(pixel(edit, 5, 12), kShadow);
    EXPECT_LT(edit.textMargins().left(), leftMargin) << "the text takes the ridges' room";
}

TEST(HoverCombo, PassingQuicklyOverItEndsColdAndStopsWatching) {
    CHoverCombo combo;
    combo.addItems({"one", "two"});
    prepare(combo);
    movePointer(combo, {10, 10});
    QTRY_COMPARE(combo.look(), CHoverCombo::Look::Hot);
    EXPECT_EQ(pixel(combo, 0, 0), kShadow);
    pointerAway();
    QTRY_COMPARE(combo.look(), CHoverCombo::Look::Cold);
    EXPECT_EQ(pixel(combo, 0, 0), kFace);
    const int thumb = combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &combo);
    EXPECT_EQ(pixel(combo, combo.width() - 2 - thumb + 1, 3), kHighlight)
        << "a cold drop-down button is outlined in the highlight colour";
}

TEST(HoverCombo, PressingAHotComboSinksItsButtonAtTheNextTick) {
    CHoverCombo combo;
    prepare(combo);
    movePointer(combo, {10, 10});
    QTRY_COMPARE(combo.look(), CHoverCombo::Look::Hot);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), combo.mapToGlobal(QPointF(10, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&combo, &press);
    QTRY_COMPARE(combo.look(), CHoverCombo::Look::Pressed);
    const int thumb = combo.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &combo);
    const int buttonLeft = combo.width() - 2 - thumb + 1;
    combo.hidePopup(); // the release goes to the open list
    EXPECT_EQ(combo.look(), CHoverCombo::Look::Cold);
    EXPECT_EQ(pixel(combo, buttonLeft, 3), kHighlight);
}

TEST(HoverCombo, DisabledShowsItsInnerFrameInHighlight) {
    CHoverCombo combo;
    prepare(combo);
    combo.setEnabled(false);
    EXPECT_EQ(pixel(combo, 1, 1), kHighlight);
    EXPECT_EQ(pixel(combo, 0, 0), kFace);
}

TEST(HoverList, FocusLightsItUntilAPollFindsThePointerAway) {
    CHoverList list;
    list.addItems({"<Main Library>", "/tmp"});
    prepare(list, {150, 100});
    pointerAway();
    QTRY_VERIFY_WITH_TIMEOUT(!list.isHot(), 2000); // showing it gave it the focus
    EXPECT_EQ(pixel(list, 0, 0), kFace);
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(&list, &focusIn);
    EXPECT_TRUE(list.isHot());
    EXPECT_EQ(pixel(list, 0, 0), kShadow);
    EXPECT_EQ(pixel(list, -1, -1), kHighlight);
    QTRY_VERIFY_WITH_TIMEOUT(!list.isHot(), 2000);
    EXPECT_EQ(pixel(list, 0, 0), kFace);
}

TEST(HoverList, MovesOverItsRowsLightIt) {
    CHoverList list;
    list.addItems({"a", "b"});
    prepare(list, {150, 100});
    QCursor::setPos(list.mapToGlobal(QPoint(20, 20)));
    QMouseEvent move(QEvent::MouseMove, QPointF(18, 18), QPointF(list.mapToGlobal(QPoint(20, 20))),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &move);
    QTRY_VERIFY(list.isHot());
    list.setEnabled(false);
    pointerAway();
    QTRY_VERIFY(!list.isHot());
    EXPECT_EQ(pixel(list, 1, 1), kHighlight);
}

TEST(FlatScrollBars, SwitchesBothBarsAndPassesPositionAndEnabling) {
    QListWidget list;
    for (int i = 0; i < 100; ++i)
        list.addItem(QString::number(i));
    prepare(list, {150, 100});
    CFlatScrollBars bars;
    bars.SetBarPos(Qt::Vertical, 5, true); // no window yet: nothing happens
    bars.Initialize(&list);
    EXPECT_TRUE(bars.isFlat(*list.verticalScrollBar()));
    EXPECT_TRUE(bars.isFlat(*list.horizontalScrollBar()));
    bars.SetBarPos(Qt::Vertical, 7, true);
    EXPECT_EQ(list.verticalScrollBar()->value(), 7);
    bars.EnableBar(Qt::Vertical, false);
    EXPECT_FALSE(list.verticalScrollBar()->isEnabled());
    bars.EnableBar(Qt::Horizontal | Qt::Vertical, true);
    EXPECT_TRUE(list.verticalScrollBar()->isEnabled());
    QScrollBar& bar = *list.verticalScrollBar();
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    const QRect slider = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                     QStyle::SC_ScrollBarSlider, &bar);
    const QImage image = bar.grab().toImage();
    EXPECT_EQ(image.pixelColor(slider.topLeft()), kHighlight) << "a raised, flat slider";
    EXPECT_EQ(image.pixelColor(slider.bottomRight()), kShadow);
    EXPECT_EQ(image.pixelColor(slider.center()), kFace);
}

TEST(ColorLabel, DrawsInItsOwnColoursAndFallsBackToTheSystemOnes) {
    CColorLabel label(QStringLiteral("WWWWWW"));
    prepare(label, {80, 20});
    label.SetBackColour(QColor(0, 0, 128));
    label.SetTextColour(QColor(255, 255, 0));
    const QImage image = label.grab().toImage();
    EXPECT_EQ(image.pixelColor(79, 19), QColor(0, 0, 128));
    bool yellowText = false;
    for (int x = 0; x < image.width() && !yellowText; ++x)
        for (int y = 0; y < image.height() && !yellowText; ++y)
            yellowText = image.pixelColor(x, y) == QColor(255, 255, 0);
    EXPECT_TRUE(yellowText);
    label.SetBackColour(QColor());
    EXPECT_EQ(label.backColour(), QApplication::palette(&label).color(QPalette::Button));
    EXPECT_EQ(pixel(label, 79, 19), label.backColour());
}

} // namespace
