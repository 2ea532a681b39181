#pragma once

#include <QDialog>
#include <functional>

#include "options/OptionsPage.h"

class CPPage1;
class CPPage2;
class CPPage3;
class CPPage4;
class CPPage5;
class CPPage6;
class QTabWidget;

// "Tembrel Options": six pages on tabs, OK and Cancel, no Apply. F1 asks for help.
class CPropSheet : public QDialog {
    Q_OBJECT
public:
    CPropSheet(OptionsContext& context, std::function<void()> help, QWidget* parent);

    QTabWidget& tabs() const { return *m_tabs; }
    CPPage1& general() const { return *m_general; }
    CPPage6& directories() const { return *m_directories; }
    CPPage3& record() const { return *m_record; }
    CPPage4& cursors() const { return *m_cursors; }
    CPPage5& misc() const { return *m_misc; }
    CPPage2& webLinks() const { return *m_webLinks; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_help;
    QTabWidget* m_tabs;
    CPPage1* m_general;
    CPPage6* m_directories;
    CPPage3* m_record;
    CPPage4* m_cursors;
    CPPage5* m_misc;
    CPPage2* m_webLinks;
};
