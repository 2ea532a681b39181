#include "tests/files/OperationsFixture.h"

#include "files/CNewFileNameDlg.h"
#include "platform/ProgramDirectory.h"
#include "widgets/CIconButton.h"
#include "widgets/SortedListBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>

OperationsFixture::OperationsFixture() : m_savedDataHome(qgetenv("XDG_DATA_HOME")) {
    // Deleted sounds go to the Trash: never the Trash of the person running the tests.
    QDir().mkpath(program.path() + "xdg-data");
    qputenv("XDG_DATA_HOME", QFile::encodeName(program.path() + "xdg-data"));
}

OperationsFixture::~OperationsFixture() {
    if (m_savedDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", m_savedDataHome);
}

QString OperationsFixture::soundFile(const QString& name) const {
    return pathhelp::soundPath(program.library(), name);
}

QByteArray OperationsFixture::bytesOf(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString OperationsFixture::addMarkedSound(const QString& name, const QString& folder) {
    WavSpec spec;
    spec.chunksBeforeFmt = makeChunk("note", name.toUtf8());
    return addSound(name, spec, folder);
}

void OperationsFixture::select(const QString& name) {
    const int row = window().list().findStringExact(name);
    ASSERT_GE(row, 0) << name.toStdString();
    window().list().setCurSel(row);
}

QString OperationsFixture::selectedRow() {
    return window().list().text(window().list().curSel());
}

CNewFileNameDlg* OperationsFixture::renameDialog() {
    const QList<CNewFileNameDlg*> dialogs = window().findChildren<CNewFileNameDlg*>();
    EXPECT_EQ(dialogs.size(), 1) << "exactly one New File Name dialog";
    return dialogs.isEmpty() ? nullptr : dialogs.first();
}

void OperationsFixture::answerRename(const QString& name) {
    CNewFileNameDlg* dialog = renameDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->nameEdit().setText(name);
    dialog->okButton().click();
    QCoreApplication::processEvents();
}
