#include "widgets/OkCancelButtons.h"

#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

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

QDialogButtonBox* okCancelBox(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    nameControl(*buttons->button(QDialogButtonBox::Ok), QStringLiteral("OK"),
                QStringLiteral("Enter"));
    nameControl(*buttons->button(QDialogButtonBox::Cancel), QStringLiteral("Cancel"),
                QStringLiteral("Esc"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}
