#include "properties/CAdvancedPropertiesDlg.h"

#include "properties/CSoundPropertiesDlg.h"
#include "widgets/CEtchedLine.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const char* const kLabels[6] = {
    "Formatting tag:", "Channels number:", "Samples per second:", "Averange bytes per second:",
    "Block align:",    "Bits per sample:"};
} // namespace

CAdvancedPropertiesDlg::CAdvancedPropertiesDlg(const std::array<QString, 6>& values,
                                               QWidget* parent)
    : QDialog(parent), m_close(new CIconButton(QStringLiteral("Close"), this)) {
    setWindowTitle(QStringLiteral(" Advanced Properties"));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (int row = 0; row < 6; ++row) {
        const QString label = QString::fromLatin1(kLabels[row]);
        QLineEdit* field = makeReadOnlyField(QStringLiteral("value%1").arg(row), values[row], this);
        nameControl(*field, QString(label).remove(QLatin1Char(':')));
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(field, row, 1);
    }
    auto* line = new CEtchedLine(this);
    line->setFixedHeight(8);

    nameControl(*m_close, QStringLiteral("Close"), QStringLiteral("Esc"));
    m_close->SetIcons(QStringLiteral(":/art/close.svg"));
    m_close->setMinimumSize(92, 40);
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(line);
    layout->addLayout(buttons);
    setMinimumWidth(300);
}

std::array<QString, 6> CAdvancedPropertiesDlg::shownValues() const {
    std::array<QString, 6> shown;
    for (int row = 0; row < 6; ++row)
        shown[row] = findChild<QLineEdit*>(QStringLiteral("value%1").arg(row))->text();
    return shown;
}
