#include "options/CPropSheet.h"

#include "options/CPPage1.h"
#include "options/CPPage2.h"
#include "options/CPPage3.h"
#include "options/CPPage4.h"
#include "options/CPPage5.h"
#include "options/CPPage6.h"
#include "widgets/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

CPropSheet::CPropSheet(OptionsContext& context, std::function<void()> help, QWidget* parent)
    : QDialog(parent), m_help(std::move(help)), m_tabs(new QTabWidget(this)),
      m_general(new CPPage1(context, m_tabs)), m_directories(new CPPage6(context, m_tabs)),
      m_record(new CPPage3(context, m_tabs)), m_cursors(new CPPage4(context, m_tabs)),
      m_misc(new CPPage5(context, m_tabs)), m_webLinks(new CPPage2(context, m_tabs)) {
    setWindowTitle(QStringLiteral("Tembrel Options"));
    m_tabs->addTab(m_general, QStringLiteral("General"));
    m_tabs->addTab(m_directories, QStringLiteral("Directories"));
    m_tabs->addTab(m_record, QStringLiteral("Record"));
    m_tabs->addTab(m_cursors, QStringLiteral("Cursors"));
    m_tabs->addTab(m_misc, QStringLiteral("Misc."));
    m_tabs->addTab(m_webLinks, QStringLiteral("WEB Links"));
    m_tabs->setUsesScrollButtons(false); // every tab in sight
    for (int tab = 0; tab < m_tabs->count(); ++tab)
        m_tabs->setTabToolTip(tab, m_tabs->tabText(tab));
    m_tabs->setCurrentIndex(0);

    QDialogButtonBox* buttons = okCancelBox(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(420, 330);
}

void CPropSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && m_help) {
        m_help();
        return;
    }
    QDialog::keyPressEvent(event);
}
