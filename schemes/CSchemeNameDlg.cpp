#include "schemes/CSchemeNameDlg.h"

#include <QLineEdit>

CSchemeNameDlg::CSchemeNameDlg(const QString& title, const QString& prompt, QString defaultName,
                               QWidget* parent)
    : NamePromptDlg(title, parent), m_defaultName(std::move(defaultName)) {
    layOutWithPrompt(prompt);
    nameEdit().setMaxLength(259);
    connect(this, &NamePromptDlg::nameEntered, this, &CSchemeNameDlg::buildRequested);
    setMinimumWidth(320);
}

CThemeNameDlg::CThemeNameDlg(QWidget* parent)
    : CSchemeNameDlg(QStringLiteral(" New Theme Name"), QStringLiteral("Enter Theme name:"),
                     QStringLiteral("My Theme"), parent) {}

CScriptNameDlg::CScriptNameDlg(QWidget* parent)
    : CSchemeNameDlg(QStringLiteral(" New Registry Script Name"),
                     QStringLiteral("Enter Registry Script scheme name:"),
                     QStringLiteral("RegScheme"), parent) {}
