#include "widgets/OkCancelButtons.h"

#include "widgets/CIconButton.h"

#include <QHBoxLayout>

void setUpOkCancel(CIconButton& ok, CIconButton& cancel) {
    ok.SetIcons(QStringLiteral(":/art/ok_hover.svg"), QStringLiteral(":/art/ok.svg"));
    cancel.SetIcons(QStringLiteral(":/art/cancel_hover.svg"), QStringLiteral(":/art/cancel.svg"));
    ok.setDefault(true);
    ok.setMinimumWidth(96);
    cancel.setMinimumWidth(96);
}

QHBoxLayout* okCancelRow(CIconButton& ok, CIconButton& cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(&ok);
    row->addWidget(&cancel);
    return row;
}
