#include "directories/CNewDirDlg.h"

#include "widgets/CIconButton.h"
#include "widgets/OkCancelButtons.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CNewDirDlg::CNewDirDlg(QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit(this)),
      m_ok(new CIconButton(QStringLiteral("OK"), this)),
      m_cancel(new CIconButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral(" New Directory Name"));
    setModal(true);
    m_edit->setMaxLength(kMaxNameLength);
    m_edit->setAccessibleName(QStringLiteral("New directory name"));
    m_edit->setToolTip(QStringLiteral("The name of the folder to make inside the chosen one"));
    m_ok->setToolTip(QStringLiteral("Make the folder (Enter)"));
    m_cancel->setToolTip(QStringLiteral("Make nothing (Esc)"));
    setUpOkCancel(*m_ok, *m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &CNewDirDlg::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* group = new QGroupBox(this);
    auto* inside = new QVBoxLayout(group);
    inside->addWidget(new QLabel(QStringLiteral("Enter new directory name:"), group));
    inside->addWidget(m_edit);
    auto* note = new QLabel(QStringLiteral("Note: this name will be added to choosed path"), group);
    note->setAlignment(Qt::AlignHCenter);
    inside->addWidget(note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setMinimumWidth(300);
    m_edit->setFocus();
}

void CNewDirDlg::onOk() {
    m_enteredName = m_edit->text();
    if (!m_enteredName.isEmpty())
        emit createFolder();
    accept();
}
