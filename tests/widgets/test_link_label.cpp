#include "widgets/CLinkLabel.h"

#include "platform/LinkOpener.h"
#include "tests/support/FakeHtmlProgram.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct LinkFixture : ::testing::Test {
    FakeDesktop desktop;
    FakeHtmlProgram htmlProgram;
    FakeLauncher launcher;
    LinkOpener opener{desktop, htmlProgram, launcher};
    FakeUi ui;
    QWidget parent;

    void clickOn(CLinkLabel& link) { QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 2)); }
};

TEST_F(LinkFixture, TheTextOfAWebAddressIsTheAddressAndAClickVisitsIt) {
    CLinkLabel link(opener, ui, QStringLiteral("https://example.org/a?b=1&c=2"), &parent);
    parent.show();
    EXPECT_EQ(link.address(), QStringLiteral("https://example.org/a?b=1&c=2"));
    EXPECT_EQ(link.toolTip(), link.address());
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.currentColour(), CLinkLabel::kLinkColour);
    clickOn(link);
    EXPECT_EQ(desktop.opened, QStringList{link.address()});
    EXPECT_TRUE(link.isVisited());
    EXPECT_EQ(link.currentColour(), CLinkLabel::kVisitedColour);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), CLinkLabel::kVisitedColour);
}

TEST_F(LinkFixture, AFailedDesktopOpenFallsBackToTheWebPageProgram) {
    desktop.succeed = false;
    htmlProgram.exec = QStringLiteral("\"/opt/My Browser/run\" --new-window %u");
    CLinkLabel link(opener, ui, QStringLiteral("Home"), &parent);
    link.SetAddress(QStringLiteral("https://example.org/x;y$z"));
    link.click();
    ASSERT_EQ(launcher.started.size(), 1);
    EXPECT_EQ(launcher.started.first(),
              (QStringList{"/opt/My Browser/run", "--new-window", "https://example.org/x;y$z"}));
    EXPECT_TRUE(link.isVisited());
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(LinkFixture, AFailureBeepsSaysWhyAndLeavesTheLinkUnvisited) {
    desktop.succeed = false;
    CLinkLabel link(opener, ui, QStringLiteral("https://example.org/"), &parent);
    ui.answer(MsgResult::Ok);
    link.click(); // no web page program at all
    htmlProgram.exec = QStringLiteral("missing-browser %U");
    launcher.succeed = false;
    ui.answer(MsgResult::Ok);
    link.click();
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Unable to open hyperlink:\n\nThere is no "
                                                 "application associated\nwith the given "
                                                 "filename extension."));
    EXPECT_EQ(ui.calls()[1].text,
              QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
    EXPECT_EQ(ui.calls()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.calls()[1].caption, ui.appTitle());
    EXPECT_FALSE(link.isVisited());
}

TEST_F(LinkFixture, HoverColourShowsWhileThePointerIsOverIt) {
    CLinkLabel link(opener, ui, QStringLiteral("https://example.org/"), &parent);
    link.SetLinkColours(Qt::red, Qt::red); // the WEB Links page's way: visited looks the same
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.isHovering());
    EXPECT_EQ(link.currentColour(), link.palette().color(QPalette::Highlight));
    link.click();
    EXPECT_FALSE(link.isHovering());
    EXPECT_EQ(link.currentColour(), QColor(Qt::red));
}

TEST_F(LinkFixture, FittingToTheTextKeepsTheAnchoredEdge) {
    CLinkLabel link(opener, ui, {}, &parent);
    link.setAlignment(Qt::AlignRight);
    link.setGeometry(10, 10, 300, 40);
    link.setText(QStringLiteral("Tembrel Home Page"));
    link.SetAddress(QStringLiteral("https://example.org/"));
    EXPECT_EQ(link.geometry().right(), 309);
    EXPECT_EQ(link.geometry().top(), 10);
    EXPECT_LT(link.width(), 300);
    CLinkLabel shown(opener, ui, {}, &parent);
    shown.SetAddress(QStringLiteral("https://example.org/"));
    EXPECT_EQ(shown.text(), QStringLiteral("https://example.org/")) << "no text: the address";
}

} // namespace
