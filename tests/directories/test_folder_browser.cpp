#include "directories/CFolderBrowser.h"
#include "directories/FolderStatusText.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(FolderStatusText, ShowsUpTo35CharactersWholeAndCutsLongerOnes) {
    const QString exact = QStringLiteral("/") + QString(34, QLatin1Char('a'));
    ASSERT_EQ(exact.size(), 35);
    EXPECT_EQ(shortenStatusText(exact), exact);
    EXPECT_EQ(shortenStatusText(exact + "b"), exact + "...");
    EXPECT_EQ(shortenStatusText(QString()), QString());
}

// Runs Browse(); while the browser is open, act() sees it and ends it.
int browseWith(CFolderBrowser& browser, const std::function<void()>& act) {
    QTimer::singleShot(0, act);
    return browser.Browse();
}

class FolderBrowserTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString folder(const QString& relative) {
        QDir(root.path()).mkpath(relative);
        return QDir(root.path() + "/" + relative).canonicalPath();
    }
};

TEST_F(FolderBrowserTest, AStartFolderThatIsAPathIsPreselectedAndConfirmedAsIs) {
    const QString start = folder("sounds");
    CFolderBrowser browser(start);
    browser.setInstruction("Add directory to list:");
    QString selectedAtStart, statusAtStart;
    const int outcome = browseWith(browser, [&] {
        selectedAtStart = browser.selectedFolder();
        statusAtStart = browser.statusText();
        browser.accept();
    });
    EXPECT_EQ(outcome, CFolderBrowser::Picked);
    EXPECT_EQ(selectedAtStart, start);
    EXPECT_EQ(statusAtStart, shortenStatusText(start));
    EXPECT_EQ(browser.ResultFolder(), start);
    EXPECT_EQ(browser.instruction(), QStringLiteral("Add directory to list:"));
}

TEST_F(FolderBrowserTest, MyComputerSelectsNothingAndConfirmingNothingPicksNothing) {
    CFolderBrowser browser(QStringLiteral("My Computer"));
    QString selected = QStringLiteral("unset");
    QString status;
    const int outcome = browseWith(browser, [&] {
        // A tree view that gains the focus makes its first row current without selecting it.
        auto* tree = browser.findChild<QTreeView*>();
        tree->selectionModel()->setCurrentIndex(tree->model()->index(0, 0),
                                                QItemSelectionModel::NoUpdate);
        selected = browser.selectedFolder();
        status = browser.statusText();
        browser.accept();
    });
    EXPECT_EQ(outcome, CFolderBrowser::NotPicked);
    EXPECT_EQ(selected, QString());
    EXPECT_EQ(status, QStringLiteral("My Computer"));
}

TEST_F(FolderBrowserTest, TheStatusFollowsTheSelectionShortenedAndCancelPicksNothing) {
    const QString deep = folder("a rather long folder name/with more below/and below");
    ASSERT_GT(deep.size(), 36);
    CFolderBrowser browser(QStringLiteral("My Computer"));
    QString status;
    int outcome = browseWith(browser, [&] {
        browser.selectFolder(deep);
        status = browser.statusText();
        browser.accept();
    });
    EXPECT_EQ(outcome, CFolderBrowser::Picked);
    EXPECT_EQ(status, deep.left(35) + "...");
    EXPECT_EQ(browser.ResultFolder(), deep);

    CFolderBrowser again(deep);
    outcome = browseWith(again, [&] { again.reject(); });
    EXPECT_EQ(outcome, CFolderBrowser::NotPicked);
}

} // namespace
