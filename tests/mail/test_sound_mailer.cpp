#include "mail/SoundMailer.h"
#include "tests/support/FakeBrowserView.h"
#include "tests/support/FakeLauncher.h"
#include "tests/support/FakeMailTransport.h"
#include "tests/support/FakeUi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The dialog answers from a script; the modal state goes into the shared log.
class ScriptedMailWindows final : public IMailWindows {
public:
    explicit ScriptedMailWindows(QStringList& log) : m_log(log) {}
    std::optional<MailFields> askFields(const QString& soundName, const QString& to,
                                        const std::function<void(const QString&)>& save) override {
        askedName = soundName;
        askedTo = to;
        if (addressToSave)
            save(*addressToSave);
        return fields;
    }
    std::stop_token beginSend() override {
        m_log << QStringLiteral("disable");
        return {};
    }
    void endSend() override { m_log << QStringLiteral("enable"); }

    std::optional<MailFields> fields =
        MailFields{QStringLiteral("a@b.org"), QString(), QStringLiteral("Wave sound from Tembrel")};
    std::optional<QString> addressToSave;
    QString askedName;
    QString askedTo;

private:
    QStringList& m_log;
};

class SoundMailerTest : public ::testing::Test {
protected:
    SoundMailerTest() {
        window.folder = m_dir.path();
        settings.values[QStringLiteral("Default_Mail/To")] = QStringLiteral("a@b.org");
        list.rows = {QStringLiteral("Bell")};
        list.files = {QStringLiteral("Bell.WAV")};
        list.selected = 0;
        QFile file(QDir(m_dir.path()).filePath(QStringLiteral("Bell.WAV")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
    }
    void send() {
        SoundMailer mailer({ui, settings, list, window, windows, transport, launcher});
        mailer.sendSelectedSound();
    }
    QString bellPath() const { return QDir(m_dir.path()).filePath(QStringLiteral("Bell.WAV")); }

    QTemporaryDir m_dir;
    QStringList log;
    FakeUi ui;
    MemorySettings settings;
    FakeSoundList list;
    FakeBrowserWindow window{log};
    ScriptedMailWindows windows{log};
    FakeMailTransport transport;
    FakeLauncher launcher;
};

TEST_F(SoundMailerTest, SendsTheSoundsOwnFileWhileTheWindowsAreDisabledThenRefreshes) {
    send();
    EXPECT_EQ(windows.askedName, QStringLiteral("Bell.wav"));
    EXPECT_EQ(windows.askedTo, QStringLiteral("a@b.org"));
    ASSERT_EQ(transport.sent.size(), 1);
    const OutgoingMail& mail = transport.sent.first();
    ASSERT_EQ(mail.recipients.size(), 1); // no Cc for an empty Cc field
    EXPECT_EQ(mail.recipients.first().name, QStringLiteral("a@b.org"));
    EXPECT_EQ(mail.subject, QStringLiteral("Wave sound from Tembrel"));
    EXPECT_EQ(mail.noteText, QStringLiteral("Bell "));
    ASSERT_EQ(mail.attachments.size(), 1);
    EXPECT_EQ(mail.attachments.first().path, bellPath());
    EXPECT_EQ(mail.attachments.first().position, 4);
    EXPECT_EQ(log, (QStringList{"disable", "enable", "refreshList", "updateStatus"}));
    EXPECT_TRUE(ui.calls().empty());
}

TEST_F(SoundMailerTest, ClosingTheDialogSendsNothingAndLeavesTheList) {
    windows.fields.reset();
    send();
    EXPECT_TRUE(transport.sent.isEmpty());
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(SoundMailerTest, MissingDefaultAddressIsReportedButNeverBecomesTheAddress) {
    settings.values.clear();
    ui.answer(MsgResult::Ok);
    windows.fields.reset();
    send();
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("Error! Data file not found!"));
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(windows.askedTo.isEmpty());
}

TEST_F(SoundMailerTest, EmptyListOrVanishedSoundSaysSoAndSendsNothing) {
    ui.setDefaultAnswer(MsgResult::Ok);
    QFile::remove(bellPath());
    send();
    list.rows.clear();
    list.selected = -1;
    send();
    EXPECT_EQ(ui.messageTexts(),
              (QStringList{"The sound \"Bell.wav\" is no longer in this folder. Nothing was sent.",
                           "There is no sound to send: the list is empty."}));
    EXPECT_TRUE(windows.askedName.isEmpty()) << "no dialog";
    EXPECT_TRUE(transport.sent.isEmpty());
}

TEST_F(SoundMailerTest, FailuresAreReportedAndLogonResultsStayQuiet) {
    ui.setDefaultAnswer(MsgResult::Ok);
    for (const MailResult result : {MailResult::UserAbort, MailResult::LogonFailure,
                                    MailResult::Failure, MailResult::Success}) {
        transport.result = result;
        send();
    }
    transport.available = MailResult::InvalidMailSystem;
    send();
    EXPECT_EQ(ui.messageTexts(),
              (QStringList{"Send Mail failed to send message.", "Mail system DLL is invalid."}));
    EXPECT_EQ(ui.calls()[0].caption, QStringLiteral("tembrel"));
    EXPECT_EQ(ui.calls()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(transport.sent.size(), 4);
    EXPECT_TRUE(launcher.started.isEmpty());
}

TEST_F(SoundMailerTest, WithoutAMailProgramTheDesktopMailerIsOffered) {
    transport.available = MailResult::NoMailSystem;
    windows.fields = MailFields{QStringLiteral("a@b.org, --help"), QStringLiteral("c@d.org"),
                                QStringLiteral("Hi")};
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok);
    send();
    ASSERT_EQ(ui.messageTexts().size(), 2);
    EXPECT_EQ(ui.messageTexts()[0], QStringLiteral("Unable to load mail system support."));
    EXPECT_EQ(ui.calls()[1].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(launcher.started,
              (QList<QStringList>{{"xdg-email", "--utf8", "--subject", "Hi", "--cc", "c@d.org",
                                   "--attach", bellPath(), "mailto:a@b.org,--help"}}));
    EXPECT_TRUE(transport.sent.isEmpty());

    ui.answer(MsgResult::Ok).answer(MsgResult::Cancel);
    send();
    EXPECT_EQ(launcher.started.size(), 1);
}

TEST_F(SoundMailerTest, ADesktopWithoutAMailProgramIsReported) {
    transport.available = MailResult::NoMailSystem;
    ui.answer(MsgResult::Ok).answer(MsgResult::Ok).answer(MsgResult::Ok).answer(MsgResult::Ok);
    send();
    ASSERT_TRUE(launcher.watchedFailure);
    launcher.watchedFailure(3); // xdg-email: no way to open a message
    launcher.watchedFailure(1);
    EXPECT_EQ(ui.messageTexts().mid(2),
              (QStringList{"The desktop has no mail program to open the message with. Nothing "
                           "was sent.",
                           "The desktop's mail program could not be started."}));
}

TEST_F(SoundMailerTest, SaveAddressKeepsTheToFieldAsTheDefault) {
    windows.addressToSave = QStringLiteral("Jörg <j@example.org>");
    windows.fields.reset();
    send();
    EXPECT_EQ(settings.readString("Default_Mail", "To"), QStringLiteral("Jörg <j@example.org>"));

    settings.readOnly = true;
    ui.answer(MsgResult::Ok);
    send();
    EXPECT_EQ(ui.messageTexts(),
              QStringList{"The address could not be saved: the data file cannot be written."});
}

TEST_F(SoundMailerTest, MailProgramComesFromTheDataFileOrIsSendmail) {
    EXPECT_EQ(mailCommand(settings), QStringLiteral("/usr/sbin/sendmail -t -i"));
    settings.values[QStringLiteral("Default_Mail/Command")] = QStringLiteral("  ");
    EXPECT_EQ(mailCommand(settings), QStringLiteral("/usr/sbin/sendmail -t -i"));
    settings.values[QStringLiteral("Default_Mail/Command")] = QStringLiteral("msmtp -t");
    EXPECT_EQ(mailCommand(settings), QStringLiteral("msmtp -t"));
}

} // namespace
