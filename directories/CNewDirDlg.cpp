#include "directories/CNewDirDlg.h"

#include "widgets/CIconButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CNewDirDlg::CNewDirDlg(QWidget* parent)
    : NamePromptDlg(QStringLiteral(" New Directory Name"), parent) {
    setModal(true);
    nameEdit().setMaxLength(kMaxNameLength);
    nameEdit().setAccessibleName(QStringLiteral("New directory name"));
    nameEdit().setToolTip(QStringLiteral("The name of the folder to make inside the chosen one"));
    okButton().setToolTip(QStringLiteral("Make the folder (Enter)"));
    cancelButton().setToolTip(QStringLiteral("Make nothing (Esc)"));
    connect(this, &NamePromptDlg::nameEntered, this, &CNewDirDlg::createFolder);

    auto* group = new QGroupBox(this);
    auto* inside = new QVBoxLayout(group);
    inside->addWidget(new QLabel(QStringLiteral("Enter new directory name:"), group));
    inside->addWidget(&nameEdit());
    auto* note = new QLabel(QStringLiteral("Note: this name will be added to choosed path"), group);
    note->setAlignment(Qt::AlignHCenter);
    inside->addWidget(note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(&okButton());
    buttons->addWidget(&cancelButton());
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    nameEdit().setFocus();
}
