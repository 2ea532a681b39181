#include "properties/CSoundPropertiesDlg.h"

#include "platform/audio/AudioDevices.h"
#include "properties/CAdvancedPropertiesDlg.h"
#include "widgets/CEtchedLine.h"
#include "widgets/CIconButton.h"
#include "widgets/ControlNames.h"
#include "widgets/SyncPlay.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

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
                                         QWidget* parent)
    : QDialog(parent), m_properties(std::move(properties)), m_sounds(sounds),
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
    setMinimumWidth(380);
}

void CSoundPropertiesDlg::addField(QGridLayout* grid, int row, const QString& label,
                                   const QString& name, const QString& value) {
    QLineEdit* field = makeReadOnlyField(name, value, this);
    nameControl(*field, QString(label).remove(QLatin1Char(':')));
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(field, row, 1);
}

void CSoundPropertiesDlg::addSeparator(QGridLayout* grid, int row) {
    auto* line = new CEtchedLine(this);
    line->setFixedHeight(8);
    grid->addWidget(line, row, 0, 1, 2);
}

QString CSoundPropertiesDlg::fieldText(const QString& field) const {
    const auto* edit = findChild<QLineEdit*>(field);
    return edit ? edit->text() : QString();
}

// Synchronous on purpose: the dialog answers again when the sound has ended, or at Escape. A
// file that cannot be played plays nothing and reports nothing.
void CSoundPropertiesDlg::onPlay() {
    playSyncUntilEscape(m_sounds, m_properties.path(), *this);
}

void CSoundPropertiesDlg::onMore() {
    CAdvancedPropertiesDlg advanced(m_properties.advanced, this);
    advanced.exec();
}
