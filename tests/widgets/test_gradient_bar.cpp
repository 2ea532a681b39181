#include "widgets/CGradientBar.h"

#include "tests/support/QtPrinters.h"

#include <QImage>
#include <gtest/gtest.h>

inline void PrintTo(const QColor& color, std::ostream* out) {
    *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

namespace {

QImage grabbed(CGradientBar& bar) {
    return bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage& image, int x, int y = 5) {
    return QColor(image.pixel(x, y));
}

// A 200 x 12 bar over the range 1..100 with the given position.
struct Bar {
    explicit Bar(int position) {
        bar.resize(200, 12);
        bar.SetRange(1, 100);
        bar.SetPos(position);
    }
    CGradientBar bar;
};

TEST(GradientBar, HalfWayOver200PixelsShowsTheGradientToOneBandPastTheMiddle) {
    Bar b(50);
    b.bar.setBackgroundColor(QColor(41, 41, 41));
    EXPECT_EQ(b.bar.reachedWidth(), 100);
    const QImage image = grabbed(b.bar);
    // 255 bands of 200/255 px: band 0 is cut to no pixel, band 1 starts the bar, band 128
    // covers x = 100 and ends at 101.
    EXPECT_EQ(at(image, 0), QColor(254, 0, 1));
    EXPECT_EQ(at(image, 100), QColor(127, 0, 128));
    for (int x = 101; x < 200; ++x)
        ASSERT_EQ(at(image, x), QColor(41, 41, 41)) << "x = " << x;
    for (int x = 1; x <= 100; ++x) {
        ASSERT_LE(at(image, x).red(), at(image, x - 1).red()) << "x = " << x;
        ASSERT_GE(at(image, x).blue(), at(image, x - 1).blue()) << "x = " << x;
        ASSERT_EQ(at(image, x).red() + at(image, x).blue(), 255) << "x = " << x;
    }
    for (int y = 0; y < 12; ++y)
        ASSERT_EQ(at(image, 60, y), at(image, 60, 0)) << "bands run from top to bottom";
}

TEST(GradientBar, ColoursDependOnThePlaceNotOnThePosition) {
    Bar early(30);
    Bar late(90);
    const QImage a = grabbed(early.bar);
    const QImage b = grabbed(late.bar);
    EXPECT_EQ(early.bar.reachedWidth(), 60);
    for (int x = 0; x < 60; ++x)
        ASSERT_EQ(at(a, x), at(b, x)) << "x = " << x;
    EXPECT_NE(at(b, 150), at(a, 150));
}

TEST(GradientBar, ReachedWidthUsesUpperAloneNotTheSpanFromLower) {
    CGradientBar bar;
    bar.resize(100, 10);
    bar.SetRange(50, 100);
    bar.SetPos(75);
    EXPECT_EQ(bar.reachedWidth(), 75); // not 50, which the span 50..100 would give
}

TEST(GradientBar, EitherEndOfTheRangeOrBeyondShowsAnEmptyBarInTheButtonFace) {
    const QColor face = CGradientBar().palette().color(QPalette::Button);
    for (int position : {1, 100, 0, 101}) {
        Bar b(position);
        b.bar.setBackgroundColor(QColor(41, 41, 41));
        const QImage image = grabbed(b.bar);
        for (int x : {0, 99, 199})
            EXPECT_EQ(at(image, x), face) << "position " << position << ", x = " << x;
    }
}

TEST(GradientBar, RangeStepAndStepItKeepTheirOwnPosition) {
    CGradientBar bar;
    bar.SetPos(40);
    bar.SetRange(1, 30);
    EXPECT_EQ(bar.pos(), 1) << "a new range puts the position at its start";
    bar.SetStep(1);
    bar.SetPos(0);
    for (int i = 0; i < 32; ++i)
        bar.StepIt();
    EXPECT_EQ(bar.pos(), 32) << "stepping past upper does not wrap";
}

TEST(GradientBar, EqualColoursFillTheReachedPartInThatColour) {
    Bar b(25);
    b.bar.setStartColor(QColor(10, 20, 30));
    b.bar.setEndColor(QColor(10, 20, 30));
    b.bar.setBackgroundColor(QColor(41, 41, 41));
    const QImage image = grabbed(b.bar);
    EXPECT_EQ(at(image, 0), QColor(10, 20, 30));
    EXPECT_EQ(at(image, 49), QColor(10, 20, 30));
    EXPECT_EQ(at(image, 50), QColor(41, 41, 41));
}

TEST(GradientBar, PercentageIsRoundedAndDrawnOnlyWhenAsked) {
    CGradientBar bar;
    bar.SetRange(0, 8);
    bar.SetPos(3);
    EXPECT_EQ(bar.percentageText(), QStringLiteral("38%")); // 37.5

    Bar b(50);
    b.bar.resize(200, 30);
    b.bar.setStartColor(QColor(0, 0, 200));
    b.bar.setEndColor(QColor(0, 0, 100));
    b.bar.setBackgroundColor(QColor(0, 0, 0));
    auto countWhite = [&] {
        const QImage image = grabbed(b.bar);
        int white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                white += QColor(image.pixel(x, y)).green() > 200;
        return white;
    };
    EXPECT_EQ(countWhite(), 0);
    b.bar.setShowPercentage(true);
    EXPECT_GT(countWhite(), 10) << "the text is drawn in white over the bar";
}

} // namespace
