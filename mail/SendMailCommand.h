#pragma once

#include "mail/SoundMailer.h"

#include <QList>
#include <QPointer>
#include <QProgressDialog>
#include <QWidget>
#include <memory>
#include <stop_token>

class CommandTable;
struct FeatureContext;
class IWindowFrame;

// Send Sound By E-Mail (command 32805) with its windows: the " Send Sound By E-Mail" dialog,
// and every window of the program disabled under the cursor theme's busy cursor while the
// message goes out, but for a small window that offers to cancel a send that takes a while.
class SendMailCommand final : public IMailWindows {
public:
    SendMailCommand(CommandTable& commands, const FeatureContext& context);

    std::optional<MailFields>
    askFields(const QString& soundFile, const QString& to,
              const std::function<void(const QString&)>& saveAddress) override;
    std::stop_token beginSend() override;
    void endSend() override;

private:
    void showCancelWindow();

    IWindowFrame& m_frame;
    QString m_title;
    SoundMailer m_mailer;
    QList<QPointer<QWidget>> m_disabled;
    std::stop_source m_stop;
    std::unique_ptr<QProgressDialog> m_cancelWindow; // while a send goes
};
