#include "mail/SendMailCommand.h"

#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/WindowFrame.h"
#include "mail/CSendMailDlg.h"
#include "platform/Services.h"
#include "platform/Ui.h"

#include <QApplication>

namespace {

// A send that is over sooner shows no window of its own.
constexpr int kCancelWindowDelayMs = 400;

} // namespace

SendMailCommand::SendMailCommand(CommandTable& commands, const FeatureContext& context)
    : m_frame(context.window.frame), m_title(context.services.ui.appTitle()),
      m_mailer({context.services.ui, context.settings, context.window.list, context.window.browser,
                *this, context.mail, context.services.launcher}) {
    commands.declare({cmd::SendMail, QStringLiteral("Send Sound &By E-Mail"), {}, [this] {
                          m_mailer.sendSelectedSound();
                      }});
}

std::optional<MailFields>
SendMailCommand::askFields(const QString& soundFile, const QString& to,
                           const std::function<void(const QString&)>& saveAddress) {
    CSendMailDlg dialog(soundFile, to, m_frame.dialogParent());
    dialog.setSaveAddress(saveAddress);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return MailFields{dialog.to(), dialog.cc(), dialog.subject()};
}

std::stop_token SendMailCommand::beginSend() {
    QApplication::setOverrideCursor(m_frame.busyCursor());
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->isEnabled()) {
            widget->setEnabled(false);
            m_disabled << widget;
        }
    }
    m_stop = std::stop_source();
    showCancelWindow();
    // Draws the disabled windows and the busy cursor before the send begins.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return m_stop.get_token();
}

// Made after the others were disabled, so it alone takes input; it shows itself once the send
// has taken a moment. Cancel, Escape and closing it all cancel the send.
void SendMailCommand::showCancelWindow() {
    m_cancelWindow = std::make_unique<QProgressDialog>(
        QStringLiteral("Sending the sound by e-mail..."), QStringLiteral("Cancel"), 0, 0);
    m_cancelWindow->setWindowTitle(m_title);
    m_cancelWindow->setAccessibleName(QStringLiteral("Sending the sound by e-mail"));
    m_cancelWindow->setMinimumDuration(kCancelWindowDelayMs);
    if (QWidget* main = m_frame.dialogParent()) {
        m_cancelWindow->adjustSize();
        m_cancelWindow->move(main->geometry().center() - m_cancelWindow->rect().center());
    }
    QObject::connect(m_cancelWindow.get(), &QProgressDialog::canceled, m_cancelWindow.get(),
                     [this] { m_stop.request_stop(); });
}

void SendMailCommand::endSend() {
    m_cancelWindow.reset();
    // Clicks and keys that came in during the send reach disabled windows and are dropped.
    QCoreApplication::processEvents();
    for (const QPointer<QWidget>& widget : std::as_const(m_disabled)) {
        if (widget)
            widget->setEnabled(true);
    }
    m_disabled.clear();
    QApplication::restoreOverrideCursor();
    if (QWidget* main = m_frame.dialogParent()) {
        main->activateWindow();
        main->setFocus();
    }
}
