#include "platform/QtUi.h"

#include "platform/ProgramDirectory.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSortFilterProxyModel>

namespace {

// Keeps folders and the files the user may run.
class ExecutablesOnly final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }
};

} // namespace

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

namespace {

// Typing "kilo" opens kilo.wav, or kilo.WAV when only that one is there.
class OpenFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = edit ? edit->text() : QString();
        const QString suffix = defaultSuffix();
        if (edit && !suffix.isEmpty() && !typed.isEmpty() && !typed.contains(QLatin1Char('.'))) {
            const QDir folder = directory();
            const QString lower = typed + QLatin1Char('.') + suffix;
            const QString upper = typed + QLatin1Char('.') + suffix.toUpper();
            if (!QFileInfo::exists(folder.filePath(lower)) &&
                QFileInfo::exists(folder.filePath(upper)))
                edit->setText(upper);
        }
        QFileDialog::accept();
    }
};

} // namespace

std::optional<QString> QtUi::openFileName(const OpenFileRequest& request) {
    const QString filter =
        request.filterName + QStringLiteral(" (") + request.pattern + QStringLiteral(")");
    OpenFileDialog dialog(QApplication::activeWindow(), request.title, request.startFolder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (request.executablesOnly) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setProxyModel(new ExecutablesOnly(&dialog));
    }
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
