#include "options/CPPage3.h"

#include "core/Settings.h"
#include "widgets/CHoverCombo.h"
#include "widgets/ControlNames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>

CPPage3::CPPage3(OptionsContext& context, QWidget* parent)
    : COptionsPage(context, parent), m_time(new CHoverCombo(this)),
      m_minimise(new QCheckBox(this)) {
    for (int seconds : kTimes)
        m_time->addItem(QStringLiteral("%1 sec").arg(seconds));
    m_time->setCurrentIndex(-1);
    nameControl(*m_time, QStringLiteral("Record time"));
    nameControl(*m_minimise, QStringLiteral("Minimize main program window during record"));

    auto* time = new QGroupBox(QStringLiteral("Record Time"), this);
    auto* timeGrid = new QGridLayout(time);
    timeGrid->addWidget(new QLabel(QStringLiteral("Choose optimal record time (maximum):"), time),
                        0, 0);
    timeGrid->addWidget(m_time, 1, 0);
    timeGrid->addWidget(pictureLabel(QStringLiteral("playu.svg"), time), 0, 1, 2, 1);

    auto* window = new QGroupBox(QStringLiteral("Main Window"), this);
    auto* windowGrid = new QGridLayout(window);
    windowGrid->addWidget(
        new QLabel(QStringLiteral("Minimize main program window during record:"), window), 0, 0);
    windowGrid->addWidget(m_minimise, 0, 1);
    windowGrid->addWidget(pictureLabel(QStringLiteral("minimizeu.svg"), window), 0, 2);

    auto* page = new QVBoxLayout(this);
    page->addWidget(time);
    page->addWidget(window);
    page->addStretch();
    connect(m_time, &QComboBox::currentIndexChanged, this, &CPPage3::storeTime);
    connect(m_minimise, &QAbstractButton::clicked, this,
            [this] { storeFlag(*m_minimise, keys::kMinimiseWhileRecording); });
}

// A stored time that is none of the rows selects nothing, and nothing is written until the
// user picks a row.
void CPPage3::OnInitDialog() {
    const int stored = m_context.settings.read(keys::kRecordTime);
    const auto* found = std::find(std::begin(kTimes), std::end(kTimes), stored);
    m_storedRow = found == std::end(kTimes) ? -1 : int(found - std::begin(kTimes));
    m_time->setCurrentIndex(m_storedRow);
    m_minimise->setChecked(m_context.settings.read(keys::kMinimiseWhileRecording) == 1);
}

void CPPage3::storeTime(int row) {
    if (!isInitialised() || row < 0 || row >= int(std::size(kTimes)))
        return;
    if (store(keys::kRecordTime, kTimes[row], [this] { showStoredTime(); }))
        m_storedRow = row;
}

void CPPage3::showStoredTime() {
    const QSignalBlocker quiet(m_time);
    m_time->setCurrentIndex(m_storedRow);
}
