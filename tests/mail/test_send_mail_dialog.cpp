#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/WindowFrame.h"
#include "mail/CSendMailDlg.h"
#include "mail/SendMailCommand.h"
#include "platform/MailTransport.h"
#include "tests/support/FakeBrowserView.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"
#include "tests/support/QtPrinters.h"
#include "widgets/CIconButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

class Frame final : public IWindowFrame {
public:
    QWidget* dialogParent() override { return &window; }
    void minimise() override {}
    void moveToCorner() override {}
    void restore() override {}
    QCursor busyCursor() const override { return QCursor(Qt::BusyCursor); }
    QWidget window;
};

// Looks at the windows while the message goes out.
class WatchingTransport final : public IMailTransport {
public:
    explicit WatchingTransport(QWidget& window) : m_window(window) {}
    MailResult availability() override { return MailResult::Success; }
    MailResult send(const OutgoingMail&) override {
        windowEnabled = m_window.isEnabled();
        cursor = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                : Qt::ArrowCursor;
        return MailResult::Success;
    }
    bool windowEnabled = true;
    Qt::CursorShape cursor = Qt::ArrowCursor;

private:
    QWidget& m_window;
};

TEST(SendMailCommandTest, CommandSendsUnderTheBusyCursorWithTheWindowsDisabled) {
    QTemporaryDir dir;
    QFile(QDir(dir.path()).filePath(QStringLiteral("Bell.wav"))).open(QIODevice::WriteOnly);
    QStringList log;
    FakeUi ui;
    MemorySettings settings;
    settings.values[QStringLiteral("Default_Mail/To")] = QStringLiteral("a@b.org");
    FakeSoundList list;
    list.rows = {QStringLiteral("Bell")};
    list.selected = 0;
    FakeBrowserWindow browser(log);
    browser.folder = dir.path();
    Frame frame;
    frame.window.show();
    WatchingTransport transport(frame.window);
    FakeLauncher launcher;
    CommandTable commands;
    SendMailCommand command(commands, ui, settings, list, browser, frame, transport, launcher);

    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<CSendMailDlg*>(QApplication::activeModalWidget()))
            QTest::keyClick(&dialog->toEdit(), Qt::Key_Return);
    });
    ASSERT_TRUE(commands.run(cmd::SendMail));
    EXPECT_FALSE(transport.windowEnabled);
    EXPECT_EQ(transport.cursor, Qt::BusyCursor);
    EXPECT_TRUE(frame.window.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(log, (QStringList{"refreshList", "updateStatus"}));
}

} // namespace
