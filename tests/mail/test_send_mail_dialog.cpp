#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/WindowFrame.h"
#include "mail/CSendMailDlg.h"
#include "mail/SendMailCommand.h"
#include "platform/MailTransport.h"
#include "tests/support/FakeBrowserView.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeUi.h"
#include "tests/support/FeatureDoubles.h"
#include "tests/support/QtPrinters.h"
#include "widgets/CIconButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(SendMailDialogTest, StartsWithTheAddressTheFixedSubjectAndTheSoundsName) {
    CSendMailDlg dialog(QStringLiteral("Bell.wav"), QStringLiteral("a@b.org"));
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
    QRect listArea() const override { return {}; }
    QWidget window;
};

// Looks at the windows while the message goes out.
class WatchingTransport final : public IMailTransport {
public:
    MailResult availability() override { return MailResult::Success; }
    MailResult send(const OutgoingMail&, std::stop_token) override {
        windowEnabled = window->isEnabled();
        cursor = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                : Qt::ArrowCursor;
        return MailResult::Success;
    }
    bool windowEnabled = true;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QWidget* window = nullptr;
};

// Waits, as a real transport does, until the send is cancelled (or ten seconds passed).
class WaitingTransport final : public IMailTransport {
public:
    MailResult availability() override { return MailResult::Success; }
    MailResult send(const OutgoingMail&, std::stop_token stop) override {
        QEventLoop loop;
        const std::stop_callback onStop(stop, [&loop] { loop.quit(); });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        cancelled = stop.stop_requested();
        return cancelled ? MailResult::UserAbort : MailResult::Failure;
    }
    bool cancelled = false;
};

// The command over fakes, a sound "Bell" in the shown folder and a main window on screen.
struct MailCommandRig {
    explicit MailCommandRig(IMailTransport& transport)
        : command(commands, {services,
                             settings,
                             quiet.settings,
                             quiet.player,
                             {list, browser, frame},
                             quiet.startValues,
                             quiet.links,
                             quiet.folders,
                             transport,
                             quiet.shared}) {
        QFile(QDir(dir.path()).filePath(QStringLiteral("Bell.wav"))).open(QIODevice::WriteOnly);
        settings.values[QStringLiteral("Default_Mail/To")] = QStringLiteral("a@b.org");
        list.rows = {QStringLiteral("Bell")};
        list.selected = 0;
        browser.folder = dir.path();
        frame.window.show();
    }
    // Runs the command; its dialog is sent with Enter.
    bool run() {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<CSendMailDlg*>(QApplication::activeModalWidget()))
                QTest::keyClick(&dialog->toEdit(), Qt::Key_Return);
        });
        return commands.run(cmd::SendMail);
    }

    QTemporaryDir dir;
    QStringList log;
    FakeUi ui;
    MemorySettings settings;
    FakeSoundList list;
    FakeBrowserWindow browser{log};
    Frame frame;
    FakeLauncher launcher;
    QuietFeatureParts quiet;
    Services services{ui,       quiet.playback, quiet.sounds, quiet.files,
                      launcher, quiet.desktop,  {},           {}};
    CommandTable commands;
    SendMailCommand command;
};

TEST(SendMailCommandTest, CommandSendsUnderTheBusyCursorWithTheWindowsDisabled) {
    WatchingTransport transport;
    MailCommandRig rig(transport);
    transport.window = &rig.frame.window;
    ASSERT_TRUE(rig.run());
    EXPECT_FALSE(transport.windowEnabled);
    EXPECT_EQ(transport.cursor, Qt::BusyCursor);
    EXPECT_TRUE(rig.frame.window.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(rig.log, (QStringList{"refreshList", "updateStatus"}));
}

TEST(SendMailCommandTest, ASendThatTakesAWhileOffersACancelThatStopsIt) {
    WaitingTransport transport;
    MailCommandRig rig(transport);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* sending = qobject_cast<QProgressDialog*>(window);
            if (sending != nullptr && sending->isVisible() && sending->isEnabled())
                QTest::mouseClick(sending->findChild<QPushButton*>(), Qt::LeftButton);
        }
    });
    poll.start(50);
    ASSERT_TRUE(rig.run());
    EXPECT_TRUE(transport.cancelled);
    EXPECT_TRUE(rig.ui.messageTexts().isEmpty()) << "a cancelled send is no failure";
    EXPECT_TRUE(rig.frame.window.isEnabled());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<QProgressDialog*>(window), nullptr);
}

} // namespace
