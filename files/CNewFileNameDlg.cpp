#include "files/CNewFileNameDlg.h"

#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QLineEdit>

CNewFileNameDlg::CNewFileNameDlg(const QString& initialName, QWidget* parent)
    : NamePromptDlg(QStringLiteral(" New File Name"), parent), m_initialName(initialName) {
    layOutWithPrompt(QStringLiteral("Enter new filename:"));
    nameEdit().setObjectName(QStringLiteral("newFileName"));
    nameControl(nameEdit(), QStringLiteral("New file name"));
    nameControl(okButton(), QStringLiteral("OK"), QStringLiteral("Enter"));
    nameControl(cancelButton(), QStringLiteral("Cancel"), QStringLiteral("Esc"));
    connect(this, &NamePromptDlg::nameEntered, this, &CNewFileNameDlg::renameSound);
    setMinimumWidth(300);
}
