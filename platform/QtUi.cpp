#include "platform/QtUi.h"

#include "platform/ProgramDirectory.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

static QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

MsgResult QtUi::messageBox(const QString& text, const QString& caption, MsgButtons buttons,
                           MsgIcon icon) {
    QMessageBox box(toQtIcon(icon), caption, text,
                    buttons == MsgButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                    : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

std::optional<QString> QtUi::openFileName(const OpenFileRequest& request) {
    const QString filter =
        request.filterName + QStringLiteral(" (") + request.pattern + QStringLiteral(")");
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.startFolder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtUi::browseForFolder(const FolderRequest& request) {
    return m_pickFolder ? m_pickFolder(request) : std::nullopt;
}

QString QtUi::appTitle() const {
    return programdir::executableName();
}
