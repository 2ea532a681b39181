#include "operations/CNewFileNameDlg.h"

#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CNewFileNameDlg::CNewFileNameDlg(const QString& initialName, QWidget* parent)
    : QDialog(parent), m_initialName(initialName), m_edit(new QLineEdit(this)),
      m_ok(new CIconButton(QStringLiteral("OK"), this)),
      m_cancel(new CIconButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral(" New File Name"));
    setModal(false);
    m_edit->setObjectName(QStringLiteral("newFileName"));
    nameControl(*m_edit, QStringLiteral("New file name"));
    nameControl(*m_ok, QStringLiteral("OK"), QStringLiteral("Enter"));
    nameControl(*m_cancel, QStringLiteral("Cancel"), QStringLiteral("Esc"));
    m_ok->SetIcons(QStringLiteral(":/art/ok_hover.svg"), QStringLiteral(":/art/ok.svg"));
    m_cancel->SetIcons(QStringLiteral(":/art/cancel_hover.svg"),
                       QStringLiteral(":/art/cancel.svg"));
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(96);
    m_cancel->setMinimumWidth(96);
    connect(m_ok, &QPushButton::clicked, this, &CNewFileNameDlg::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter new filename:"), this));
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    setMinimumWidth(300);
}

void CNewFileNameDlg::showWithName() {
    m_edit->setText(m_initialName);
    m_edit->selectAll();
    show();
    raise();
    activateWindow();
    m_edit->setFocus();
}

void CNewFileNameDlg::onOk() {
    m_enteredName = m_edit->text();
    if (!m_enteredName.isEmpty())
        emit renameSound();
    accept();
}
