#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <stop_token>

class IUi;
class ISettings;
class ISoundList;
class IBrowserWindow;
class IMailTransport;
class IProcessLauncher;

// What the user filled in before pressing "Send E-Mail".
struct MailFields {
    QString to;
    QString cc;
    QString subject;
};

// The windows around a send: the dialog that asks for the fields, and the modal state that
// keeps every window of the program disabled under the busy cursor while the message goes,
// with a way to cancel the send.
class IMailWindows {
public:
    virtual ~IMailWindows() = default;
    // Nothing when the dialog was closed without "Send E-Mail". saveAddress stores a To field.
    // soundFile: the sound's file name as soundFileText gives it ("Bell.wav", "Bell.flac").
    virtual std::optional<MailFields>
    askFields(const QString& soundFile, const QString& to,
              const std::function<void(const QString&)>& saveAddress) = 0;
    // The token is stopped when the user cancels the send.
    virtual std::stop_token beginSend() = 0;
    virtual void endSend() = 0;
};

// The data file's mail program: "Default_Mail"/"Command", or the system's sendmail when the
// key is missing or empty.
QString mailCommand(const ISettings& settings);

// Send Sound By E-Mail: mails the selected sound as an attachment through the mail transport.
class SoundMailer {
public:
    struct Parts {
        IUi& ui;
        ISettings& settings;
        ISoundList& list;
        IBrowserWindow& window;
        IMailWindows& windows;
        IMailTransport& transport;
        IProcessLauncher& launcher;
    };
    explicit SoundMailer(Parts parts);

    void sendSelectedSound();

private:
    std::optional<QString> soundPath(const QString& file);
    void saveAddress(const QString& to);
    void send(const QString& name, const QString& path, const MailFields& fields);
    void offerDesktopMail(const QString& path, const MailFields& fields);
    void warn(const QString& text);

    Parts m_parts;
};
