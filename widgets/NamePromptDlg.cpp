#include "widgets/NamePromptDlg.h"

#include "widgets/CIconButton.h"
#include "widgets/OkCancelButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

NamePromptDlg::NamePromptDlg(const QString& title, QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit(this)),
      m_ok(new CIconButton(QStringLiteral("OK"), this)),
      m_cancel(new CIconButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(title);
    setModal(false);
    setUpOkCancel(*m_ok, *m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &NamePromptDlg::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void NamePromptDlg::layOutWithPrompt(const QString& prompt) {
    m_edit->setAccessibleName(prompt);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(m_edit);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addLayout(okCancelRow(*m_ok, *m_cancel));
}

void NamePromptDlg::showSelected(const QString& name) {
    m_edit->setText(name);
    m_edit->selectAll();
    show();
    raise();
    activateWindow();
    m_edit->setFocus();
}

void NamePromptDlg::onOk() {
    m_enteredName = m_edit->text();
    if (!m_enteredName.isEmpty())
        emit nameEntered(m_enteredName);
    accept();
}
