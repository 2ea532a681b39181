#include "mail/SoundMailer.h"

#include "core/BrowserView.h"
#include "core/Settings.h"
#include "mail/CMailMessage.h"
#include "platform/Launcher.h"
#include "platform/ProgramDirectory.h"
#include "platform/SendmailTransport.h"
#include "platform/SettingsStore.h"

#include <QFileInfo>
#include <QUrl>

namespace {

const QString kNoSound = QStringLiteral("There is no sound to send: the list is empty.");
const QString kDesktopMailCaption = QStringLiteral("Confirm to use the desktop mail program");
const QString kDesktopMailQuestion =
    QStringLiteral("No mail program was found to send the sound with.\nHand it to your desktop's "
                   "mail program instead?\nIt opens a new message with the sound attached.");
const QString kDesktopMailFailed =
    QStringLiteral("The desktop's mail program could not be started.");
const QString kNoDesktopMail =
    QStringLiteral("The desktop has no mail program to open the message with. Nothing was sent.");
// xdg-email's status when the desktop has no way to open a message.
constexpr int kNoMailProgramStatus = 3;
const QString kAddressNotSaved =
    QStringLiteral("The address could not be saved: the data file cannot be written.");

QString vanished(const QString& fileName) {
    return QStringLiteral("The sound \"") + fileName +
           QStringLiteral("\" is no longer in this folder. Nothing was sent.");
}

QStringList addressesOf(const QString& field) {
    QStringList addresses;
    for (const QString& part : field.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty())
            addresses << part.trimmed();
    }
    return addresses;
}

// The recipients as one mailto: address, so that nothing typed in the To field can pass for
// an option of the mail program.
QString mailtoOf(const QStringList& addresses) {
    QStringList encoded;
    for (const QString& address : addresses)
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(address, "@"));
    return QStringLiteral("mailto:") + encoded.join(QLatin1Char(','));
}

void warnIn(IUi& ui, const QString& text) {
    ui.messageBox(text, ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace

QString mailCommand(const ISettings& settings) {
    const QString command = settings.read(keys::kMailCommand);
    if (command == settings::kMissing || command.trimmed().isEmpty())
        return kDefaultMailCommand;
    return command;
}

SoundMailer::SoundMailer(Parts parts) : m_parts(parts) {}

void SoundMailer::sendSelectedSound() {
    const int row = m_parts.list.selectedRow();
    if (row < 0 || m_parts.list.rowCount() == 0) {
        warn(kNoSound);
        return;
    }
    const SoundRow sound = m_parts.list.row(row);
    const QString& name = sound.name;
    const std::optional<QString> path = soundPath(sound.file);
    if (!path) {
        warn(vanished(soundFileText(name, sound.file)));
        return;
    }
    // A missing default address is reported, but its stand-in text is no address.
    QString to = readReported(m_parts.settings, m_parts.ui, keys::kMailTo, MsgIcon::Exclamation);
    if (to == settings::kMissing)
        to.clear();
    const std::optional<MailFields> fields =
        m_parts.windows.askFields(soundFileText(name, sound.file), to,
                                  [this](const QString& address) { saveAddress(address); });
    if (!fields)
        return;
    send(name, *path, *fields);
    m_parts.window.refreshList();
    m_parts.window.repaint();
}

// The sound's own file; nothing when it is gone.
std::optional<QString> SoundMailer::soundPath(const QString& file) {
    const QString path = pathhelp::join(m_parts.window.currentFolder(), file);
    if (!pathhelp::isRegularFile(path))
        return std::nullopt;
    return path;
}

void SoundMailer::saveAddress(const QString& to) {
    if (!m_parts.settings.write(keys::kMailTo, to))
        warn(kAddressNotSaved);
}

void SoundMailer::send(const QString& name, const QString& path, const MailFields& fields) {
    const std::stop_token stop = m_parts.windows.beginSend();
    CMailMessage message(m_parts.transport);
    MailResult result = message.loadResult();
    if (result == MailResult::Success) {
        message.addToRecipient(fields.to);
        if (!fields.cc.isEmpty())
            message.addCcRecipient(fields.cc);
        if (!fields.subject.isEmpty())
            message.setSubject(fields.subject);
        message.addAttachment(path);
        message.setNoteText(name);
        result = message.send(stop);
    }
    m_parts.windows.endSend();
    const QString text = mailResultText(result);
    if (!text.isEmpty())
        warn(text);
    if (result == MailResult::NoMailSystem)
        offerDesktopMail(path, fields);
}

// Beyond what a sendmail transport gives: the desktop's mail program opens its own compose
// window with the sound attached, for a user who has no transport installed.
void SoundMailer::offerDesktopMail(const QString& path, const MailFields& fields) {
    if (m_parts.ui.messageBox(kDesktopMailQuestion, kDesktopMailCaption, MsgButtons::OkCancel,
                              MsgIcon::Question) != MsgResult::Ok)
        return;
    QStringList arguments{QStringLiteral("--utf8")};
    if (!fields.subject.isEmpty())
        arguments << QStringLiteral("--subject") << fields.subject;
    for (const QString& cc : addressesOf(fields.cc))
        arguments << QStringLiteral("--cc") << cc;
    arguments << QStringLiteral("--attach") << path;
    if (const QStringList to = addressesOf(fields.to); !to.isEmpty())
        arguments << mailtoOf(to);
    const bool started = m_parts.launcher.startWatched(
        QStringLiteral("xdg-email"), arguments,
        [&ui = m_parts.ui](int status) { // the mailer may be gone by then
            warnIn(ui, status == kNoMailProgramStatus ? kNoDesktopMail : kDesktopMailFailed);
        });
    if (!started)
        warn(kDesktopMailFailed);
}

void SoundMailer::warn(const QString& text) {
    warnIn(m_parts.ui, text);
}
