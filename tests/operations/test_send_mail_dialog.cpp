#include "operations/CSendMailDlg.h"
#include "tests/support/QtPrinters.h"
#include "widgets/CIconButton.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SendMailDialogTest, StartsWithTheAddressTheFixedSubjectAndTheSoundsName) {
    CSendMailDlg dialog(QStringLiteral("Bell"), QStringLiteral("a@b.org"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Send Sound By E-Mail"));
    EXPECT_EQ(dialog.header(), QStringLiteral("Sending sound Bell.wav"));
    EXPECT_EQ(dialog.to(), QStringLiteral("a@b.org"));
    EXPECT_TRUE(dialog.cc().isEmpty());
    EXPECT_EQ(dialog.subject(), QStringLiteral("Wave sound from Tembrel"));
    for (CIconButton* button :
         {&dialog.sendButton(), &dialog.closeButton(), &dialog.saveAddressButton()})
        EXPECT_FALSE(button->iconPixelSize().isEmpty()) << button->text().toStdString();
}

TEST(SendMailDialogTest, EnterSendsEscapeAndCloseSendNothing) {
    CSendMailDlg enter(QStringLiteral("Bell"), QString());
    enter.show();
    QTest::keyClick(&enter.ccEdit(), Qt::Key_Return);
    EXPECT_EQ(enter.result(), QDialog::Accepted);

    CSendMailDlg escape(QStringLiteral("Bell"), QString());
    escape.show();
    QTest::keyClick(&escape.toEdit(), Qt::Key_Escape);
    EXPECT_EQ(escape.result(), QDialog::Rejected);
    EXPECT_FALSE(escape.isVisible());

    CSendMailDlg close(QStringLiteral("Bell"), QString());
    close.show();
    QTest::mouseClick(&close.closeButton(), Qt::LeftButton);
    EXPECT_EQ(close.result(), QDialog::Rejected);
}

TEST(SendMailDialogTest, SaveAddressHandsOverTheToFieldAndKeepsTheDialogOpen) {
    CSendMailDlg dialog(QStringLiteral("Bell"), QString());
    QStringList saved;
    dialog.setSaveAddress([&saved](const QString& to) { saved << to; });
    dialog.show();
    dialog.toEdit().setText(QStringLiteral("Jörg <j@example.org>"));
    QTest::mouseClick(&dialog.saveAddressButton(), Qt::LeftButton);
    EXPECT_EQ(saved, QStringList{QStringLiteral("Jörg <j@example.org>")});
    EXPECT_TRUE(dialog.isVisible());
}

} // namespace
