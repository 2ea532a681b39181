#pragma once

#include "options/OptionsPage.h"

#include <QList>

class CLinkLabel;

// WEB Links: four sites of free wave sounds.
class CPPage2 : public COptionsPage {
    Q_OBJECT
public:
    CPPage2(OptionsContext& context, QWidget* parent);
    const QList<CLinkLabel*>& links() const { return m_links; }

protected:
    void OnInitDialog() override;

private:
    QList<CLinkLabel*> m_links;
};
