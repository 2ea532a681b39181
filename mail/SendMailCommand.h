#pragma once

#include "mail/SoundMailer.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class CommandTable;
class IWindowFrame;

// Send Sound By E-Mail (command 32805) with its windows: the " Send Sound By E-Mail" dialog,
// and every window of the program disabled under the cursor theme's busy cursor while the
// message goes out.
class SendMailCommand final : public IMailWindows {
public:
    SendMailCommand(CommandTable& commands, IUi& ui, ISettings& settings, ISoundList& list,
                    IBrowserWindow& window, IWindowFrame& frame, IMailTransport& transport,
                    IProcessLauncher& launcher);

    std::optional<MailFields>
    askFields(const QString& soundName, const QString& to,
              const std::function<void(const QString&)>& saveAddress) override;
    void beginSend() override;
    void endSend() override;

private:
    IWindowFrame& m_frame;
    SoundMailer m_mailer;
    QList<QPointer<QWidget>> m_disabled;
};
