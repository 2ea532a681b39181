#include "options/CPPage5.h"

#include "core/Settings.h"
#include "platform/SettingsStore.h"
#include "widgets/ControlNames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

CPPage5::CPPage5(OptionsContext& context, QWidget* parent)
    : COptionsPage(context, parent),
      m_favorites(new QCheckBox(QStringLiteral("Show \"Add To Favorites\" dialog"), this)),
      m_flatScrollBar(
          new QCheckBox(QStringLiteral("Show \"flat\" scrollbar in main window"), this)),
      m_preview(new QCheckBox(QStringLiteral("Play each sound when it is selected"), this)),
      m_evenLoudness(new QCheckBox(QStringLiteral("Play every sound at the same loudness"), this)),
      m_allSounds(new QCheckBox(QStringLiteral("Show all sound files"), this)),
      m_address(new QLineEdit(this)) {
    nameControl(*m_favorites, QStringLiteral("Show \"Add To Favorites\" dialog"));
    nameControl(*m_flatScrollBar, QStringLiteral("Show \"flat\" scrollbar in main window"));
    nameControl(*m_preview, QStringLiteral("Play each sound when it is selected"));
    nameControl(*m_evenLoudness, QStringLiteral("Play every sound at the same loudness"));
    m_evenLoudness->setToolTip(
        QStringLiteral("Quiet sounds are raised and loud ones lowered to -23 LUFS, never past a "
                       "peak of -1 dBTP. Takes effect at the next play."));
    nameControl(*m_allSounds, QStringLiteral("Show all sound files"));
    m_allSounds->setToolTip(QStringLiteral("List FLAC, Ogg, Opus, MP3, AIFF, AU and CAF sounds "
                                           "as well as WAV sounds"));
    nameControl(*m_address, QStringLiteral("Default e-mail address"));
    auto* elements = new QGroupBox(QStringLiteral("Interface elements"), this);
    auto* elementsGrid = new QGridLayout(elements);
    elementsGrid->addWidget(m_favorites, 0, 0);
    elementsGrid->addWidget(pictureLabel(QStringLiteral("openu.svg"), elements), 0, 1);
    elementsGrid->addWidget(m_flatScrollBar, 1, 0);
    elementsGrid->addWidget(pictureLabel(QStringLiteral("menuu.svg"), elements), 1, 1);
    auto* nextStart =
        new QLabel(QStringLiteral("The scroll bar changes at the next start."), elements);
    nextStart->setIndent(20);
    elementsGrid->addWidget(nextStart, 2, 0);
    elementsGrid->addWidget(m_preview, 3, 0);
    elementsGrid->addWidget(pictureLabel(QStringLiteral("playu.svg"), elements), 3, 1);
    elementsGrid->addWidget(m_evenLoudness, 4, 0);
    elementsGrid->addWidget(m_allSounds, 5, 0);

    auto* mail = new QGroupBox(QStringLiteral("Default E-Mail Address"), this);
    auto* mailGrid = new QGridLayout(mail);
    auto* addressLabel = new QLabel(QStringLiteral("Type default E-Mail address here:"), mail);
    addressLabel->setBuddy(m_address);
    mailGrid->addWidget(addressLabel, 0, 0);
    mailGrid->addWidget(m_address, 1, 0);
    mailGrid->addWidget(pictureLabel(QStringLiteral("mail.svg"), mail), 0, 1, 2, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(elements);
    page->addWidget(mail);
    page->addStretch();
    connect(m_favorites, &QAbstractButton::clicked, this,
            [this] { storeFlag(*m_favorites, keys::kAddToFavoritesPrompt); });
    connect(m_flatScrollBar, &QAbstractButton::clicked, this,
            [this] { storeFlag(*m_flatScrollBar, keys::kFlatScrollBarBox); });
    connect(m_preview, &QAbstractButton::clicked, this,
            [this] { storeFlag(*m_preview, keys::kPreview); });
    connect(m_evenLoudness, &QAbstractButton::clicked, this,
            [this] { storeFlag(*m_evenLoudness, keys::kEvenLoudness); });
    connect(m_allSounds, &QAbstractButton::clicked, this,
            [this] { storeFlag(*m_allSounds, keys::kAllSounds); });
    // Only the user's own typing is stored, never the text the page filled in.
    connect(m_address, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (store(keys::kMailTo, text, [this] { m_address->setText(m_storedAddress); }))
            m_storedAddress = text;
    });
}

// A missing address is reported once and leaves the edit empty: the missing-value text is no
// address to send mail to.
void CPPage5::OnInitDialog() {
    m_favorites->setChecked(m_context.settings.read(keys::kAddToFavoritesPrompt) == 1);
    m_flatScrollBar->setChecked(m_context.settings.read(keys::kFlatScrollBarBox) == 1);
    m_preview->setChecked(m_context.settings.read(keys::kPreview) == 1);
    m_evenLoudness->setChecked(m_context.settings.read(keys::kEvenLoudness) == 1);
    m_allSounds->setChecked(m_context.settings.read(keys::kAllSounds) == 1);
    const QString address =
        readReported(m_context.settings, m_context.ui, keys::kMailTo, MsgIcon::None);
    m_storedAddress = address == settings::kMissing ? QString() : address;
    m_address->setText(m_storedAddress);
}
