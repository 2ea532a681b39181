#include "properties/CSoundPropertiesDlg.h"

#include "core/CWavePlayer.h"
#include "library/IndexScanner.h"
#include "library/SoundLoudness.h"
#include "library/TagsEditor.h"
#include "platform/audio/AudioDevices.h"
#include "properties/CAdvancedPropertiesDlg.h"
#include "waveform/PeakLoader.h"
#include "waveform/WaveStrip.h"
#include "widgets/CEtchedLine.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"
#include "widgets/SyncPlay.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kStripHeight = 120;

} // namespace

QLineEdit* makeReadOnlyField(const QString& name, const QString& value, QWidget* parent) {
    auto* field = new QLineEdit(value, parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setCursorPosition(0);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    return field;
}

CSoundPropertiesDlg::CSoundPropertiesDlg(SoundProperties properties, ISoundPlayer& sounds,
                                         QWidget* parent, PropertiesExtras extras)
    : QDialog(parent), m_properties(std::move(properties)), m_sounds(sounds), m_extras(extras),
      m_play(new CIconButton(QStringLiteral("Play"), this)),
      m_more(new CIconButton(QStringLiteral("More"), this)),
      m_close(new CIconButton(QStringLiteral("Close"), this)) {
    setWindowTitle(QStringLiteral(" Sound Properties"));
    auto* icon = new QLabel(this);
    icon->setPixmap(loadSvgPicture(QStringLiteral(":/art/properties.svg")));
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 80);
    grid->setColumnStretch(1, 1);
    grid->addWidget(icon, 0, 0, Qt::AlignLeft);
    auto* nameRow = new QVBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Filename:"), this));
    QLineEdit* fileName =
        makeReadOnlyField(QStringLiteral("fileName"), m_properties.fileName, this);
    nameControl(*fileName, QStringLiteral("File name"));
    nameRow->addWidget(fileName);
    grid->addLayout(nameRow, 0, 1);
    addSeparator(grid, 1);
    addField(grid, 2, QStringLiteral("Type:"), QStringLiteral("type"), m_properties.type);
    addField(grid, 3, QStringLiteral("Location:"), QStringLiteral("location"),
             m_properties.location);
    addField(grid, 4, QStringLiteral("Size:"), QStringLiteral("size"), m_properties.size);
    addSeparator(grid, 5);
    addField(grid, 6, QStringLiteral("Attributes:"), QStringLiteral("attributes"),
             m_properties.attributes);
    addSeparator(grid, 7);
    addField(grid, 8, QStringLiteral("Format:"), QStringLiteral("format"), m_properties.format);
    addField(grid, 9, QStringLiteral("Play Time:"), QStringLiteral("playTime"),
             m_properties.playTime);
    if (m_extras.loudness)
        m_loudness =
            addField(grid, 10, QStringLiteral("Loudness:"), QStringLiteral("loudness"), QString());
    if (m_extras.peaks)
        addStrip(grid, 11);
    if (m_extras.index)
        addTags(grid, 12);

    for (CIconButton* button : {m_play, m_more, m_close}) {
        button->setMinimumSize(92, 40);
        button->setAutoDefault(false);
    }
    nameControl(*m_play, QStringLiteral("Play"));
    nameControl(*m_more, QStringLiteral("More properties"));
    nameControl(*m_close, QStringLiteral("Close"), QStringLiteral("Esc"));
    m_play->SetIcons(QStringLiteral(":/art/play.svg"));
    m_more->SetIcons(QStringLiteral(":/art/more.svg"));
    m_close->SetIcons(QStringLiteral(":/art/close.svg"));
    connect(m_play, &QPushButton::clicked, this, &CSoundPropertiesDlg::onPlay);
    connect(m_more, &QPushButton::clicked, this, &CSoundPropertiesDlg::onMore);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_play);
    buttons->addWidget(m_more);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(m_extras.peaks ? 520 : 380);
    showLoudness();
}

// A play started from the strip ends with the window.
CSoundPropertiesDlg::~CSoundPropertiesDlg() {
    if (m_stripPlayed && m_extras.player)
        m_extras.player->Stop();
}

QLineEdit* CSoundPropertiesDlg::addField(QGridLayout* grid, int row, const QString& label,
                                         const QString& name, const QString& value) {
    QLineEdit* field = makeReadOnlyField(name, value, this);
    nameControl(*field, QString(label).remove(QLatin1Char(':')));
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

void CSoundPropertiesDlg::addSeparator(QGridLayout* grid, int row) {
    auto* line = new CEtchedLine(this);
    line->setFixedHeight(8);
    grid->addWidget(line, row, 0, 1, 2);
}

// The same strip as under the main list, taller: its peaks come from the same cache.
void CSoundPropertiesDlg::addStrip(QGridLayout* grid, int row) {
    m_strip = new WaveStrip(this);
    m_strip->setMinimumHeight(kStripHeight);
    grid->addWidget(m_strip, row, 0, 1, 2);
    const QString path = m_properties.path();
    connect(m_extras.peaks, &PeakLoader::peaksReady, this,
            [this, path](const QString& ready, std::shared_ptr<const SoundPeaks> peaks) {
                if (ready == path)
                    m_strip->setPeaks(std::move(peaks));
            });
    connect(m_extras.peaks, &PeakLoader::peaksFailed, this,
            [this, path](const QString& failed, const QString& why) {
                if (failed == path)
                    m_strip->setAccessibleDescription(why);
            });
    if (auto cached = m_extras.peaks->request(path))
        m_strip->setPeaks(std::move(cached));
    if (m_extras.player)
        connect(m_strip, &WaveStrip::playFromRequested, this, &CSoundPropertiesDlg::playFrom);
}

void CSoundPropertiesDlg::addTags(QGridLayout* grid, int row) {
    const QByteArray path = indexPath(m_properties.path());
    m_tags = new TagsEditor(
        *m_extras.index, path, [this, path] { return indexFolderOf(*m_extras.index, path); }, this);
    m_tags->tagList().setMaximumHeight(72);
    auto* label = new QLabel(QStringLiteral("&Tags:"), this);
    label->setBuddy(&m_tags->newTag());
    grid->addWidget(label, row, 0, Qt::AlignTop);
    grid->addWidget(m_tags, row, 1);
}

void CSoundPropertiesDlg::showLoudness() {
    if (!m_loudness)
        return;
    const QString path = m_properties.path();
    if (const std::optional<LoudnessFacts> facts = m_extras.loudness->known(path)) {
        m_loudness->setText(loudnessText(*facts));
        return;
    }
    if (!m_extras.loudness->canMeasure()) {
        m_loudness->setText(QStringLiteral("not measured yet"));
        return;
    }
    m_loudness->setText(QStringLiteral("Measuring..."));
    connect(m_extras.loudness, &SoundLoudness::measured, this, &CSoundPropertiesDlg::showMeasured);
    m_extras.loudness->measure(path);
}

void CSoundPropertiesDlg::showMeasured(const QString& path,
                                       const std::expected<LoudnessFacts, QString>& result) {
    if (path != m_properties.path())
        return;
    const QString text =
        result ? loudnessText(*result) : QStringLiteral("cannot be measured: ") + result.error();
    m_loudness->setText(text);
    m_loudness->setCursorPosition(0);
    m_loudness->setToolTip(text);
}

void CSoundPropertiesDlg::playFrom(qint64 frame) {
    CWavePlayer& player = *m_extras.player;
    player.Stop();
    if (!player.Open(m_properties.path()))
        return;
    player.Play(frame);
    m_stripPlayed = true;
    m_strip->showPlaying({frame, m_strip->state().frames()}, false);
}

QString CSoundPropertiesDlg::fieldText(const QString& field) const {
    const auto* edit = findChild<QLineEdit*>(field);
    return edit ? edit->text() : QString();
}

// Synchronous on purpose: the dialog answers again when the sound has ended, or at Escape. A
// file that cannot be played plays nothing and reports nothing.
void CSoundPropertiesDlg::onPlay() {
    const float gain = m_extras.player ? m_extras.player->gainFor(m_properties.path()) : 1.0f;
    if (m_stripPlayed) {
        m_extras.player->Stop();
        m_strip->showStopped();
    }
    playSyncUntilEscape(m_sounds, m_properties.path(), *this, gain);
}

void CSoundPropertiesDlg::onMore() {
    CAdvancedPropertiesDlg advanced(m_properties.advanced, this);
    advanced.exec();
}
