#include "schemes/CSchemeNameDlg.h"

#include "widgets/CIconButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CSchemeNameDlg::CSchemeNameDlg(const QString& title, const QString& prompt, QString defaultName,
                               QWidget* parent)
    : QDialog(parent), m_defaultName(std::move(defaultName)), m_edit(new QLineEdit(this)),
      m_ok(new CIconButton(QStringLiteral("OK"), this)),
      m_cancel(new CIconButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(title);
    setModal(false);
    m_edit->setAccessibleName(prompt);
    m_edit->setMaxLength(259);
    m_ok->SetIcons(QStringLiteral(":/art/ok_hover.svg"), QStringLiteral(":/art/ok.svg"));
    m_cancel->SetIcons(QStringLiteral(":/art/cancel_hover.svg"),
                       QStringLiteral(":/art/cancel.svg"));
    m_ok->setDefault(true);
    m_ok->setMinimumWidth(96);
    m_cancel->setMinimumWidth(96);
    connect(m_ok, &QPushButton::clicked, this, &CSchemeNameDlg::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(m_edit);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

void CSchemeNameDlg::showWithDefaultName() {
    m_edit->setText(m_defaultName);
    m_edit->selectAll();
    show();
    raise();
    activateWindow();
    m_edit->setFocus();
}

void CSchemeNameDlg::onOk() {
    m_name = m_edit->text();
    if (!m_name.isEmpty())
        emit buildRequested(m_name);
    accept();
}

CThemeNameDlg::CThemeNameDlg(QWidget* parent)
    : CSchemeNameDlg(QStringLiteral(" New Theme Name"), QStringLiteral("Enter Theme name:"),
                     QStringLiteral("My Theme"), parent) {}

CScriptNameDlg::CScriptNameDlg(QWidget* parent)
    : CSchemeNameDlg(QStringLiteral(" New Registry Script Name"),
                     QStringLiteral("Enter Registry Script scheme name:"),
                     QStringLiteral("RegScheme"), parent) {}
