#include "mail/SendMailCommand.h"

#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/WindowFrame.h"
#include "mail/CSendMailDlg.h"

#include <QApplication>

SendMailCommand::SendMailCommand(CommandTable& commands, IUi& ui, ISettings& settings,
                                 ISoundList& list, IBrowserWindow& window, IWindowFrame& frame,
                                 IMailTransport& transport, IProcessLauncher& launcher)
    : m_frame(frame), m_mailer({ui, settings, list, window, *this, transport, launcher}) {
    commands.add(cmd::SendMail, [this] { m_mailer.sendSelectedSound(); });
}

std::optional<MailFields>
SendMailCommand::askFields(const QString& soundName, const QString& to,
                           const std::function<void(const QString&)>& saveAddress) {
    CSendMailDlg dialog(soundName, to, m_frame.dialogParent());
    dialog.setSaveAddress(saveAddress);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return MailFields{dialog.to(), dialog.cc(), dialog.subject()};
}

void SendMailCommand::beginSend() {
    QApplication::setOverrideCursor(m_frame.busyCursor());
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->isEnabled()) {
            widget->setEnabled(false);
            m_disabled << widget;
        }
    }
    // Draws the disabled windows and the busy cursor before the send holds the thread.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SendMailCommand::endSend() {
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
