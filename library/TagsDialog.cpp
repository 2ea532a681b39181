#include "library/TagsDialog.h"

#include "platform/NativeName.h"
#include "widgets/ControlNames.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>

QString loudnessText(const IndexedSound& sound) {
    if (!sound.loudness)
        return QStringLiteral("not measured yet");
    if (!std::isfinite(*sound.loudness))
        return QStringLiteral("silent");
    QString text = QStringLiteral("%1 LUFS").arg(*sound.loudness, 0, 'f', 1);
    if (sound.truePeak)
        text += QStringLiteral(", peak %1 dBTP").arg(*sound.truePeak, 0, 'f', 1);
    return text;
}

TagsDialog::TagsDialog(ISoundIndex& index, const QByteArray& path, std::function<bool()> indexNow,
                       QWidget* parent)
    : QDialog(parent), m_index(index), m_path(path), m_indexNow(std::move(indexNow)),
      m_tags(new QListWidget(this)), m_newTag(new QLineEdit(this)), m_loudness(new QLabel(this)) {
    setWindowTitle(QStringLiteral(" Sound Tags"));
    auto* grid = new QGridLayout(this);
    const QString name = nativename::shown(nativename::decode(path.mid(path.lastIndexOf('/') + 1)));
    grid->addWidget(new QLabel(name, this), 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Loudness:"), this), 1, 0);
    grid->addWidget(m_loudness, 1, 1, 1, 2);
    grid->addWidget(m_tags, 2, 0, 1, 3);
    grid->addWidget(m_newTag, 3, 0, 1, 2);
    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    auto* remove = new QPushButton(QStringLiteral("&Remove"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    grid->addWidget(add, 3, 2);
    grid->addWidget(remove, 4, 2);
    grid->addWidget(close, 5, 2);
    nameControl(*m_tags, QStringLiteral("Tags"));
    nameControl(*m_newTag, QStringLiteral("New tag"));
    m_loudness->setAccessibleName(QStringLiteral("Loudness"));
    // Enter in the tag field adds the tag; no button takes it to close the window.
    for (QPushButton* button : {add, remove, close})
        button->setAutoDefault(false);
    m_newTag->setFocus();
    connect(add, &QPushButton::clicked, this, &TagsDialog::addTag);
    connect(m_newTag, &QLineEdit::returnPressed, this, &TagsDialog::addTag);
    connect(remove, &QPushButton::clicked, this, &TagsDialog::removeTag);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    if (!m_index.sound(m_path) && m_indexNow)
        m_indexNow();
    showTags();
}

QString TagsDialog::loudnessText() const {
    return m_loudness->text();
}

void TagsDialog::showTags() {
    m_tags->clear();
    m_tags->addItems(m_index.tags(m_path));
    const std::optional<IndexedSound> sound = m_index.sound(m_path);
    m_loudness->setText(sound ? ::loudnessText(*sound) : QStringLiteral("not in the index"));
}

void TagsDialog::complain(const QString& what) {
    QMessageBox::warning(this, windowTitle().trimmed(), what);
}

void TagsDialog::addTag() {
    const QString tag = m_newTag->text().simplified();
    if (tag.isEmpty())
        return;
    if (!m_index.sound(m_path))
        return complain(QStringLiteral("This sound is not in the index, so it cannot be tagged."));
    if (!m_index.addTag(m_path, tag))
        return complain(QStringLiteral("The tag could not be stored: %1").arg(m_index.lastError()));
    m_newTag->clear();
    showTags();
}

void TagsDialog::removeTag() {
    const QListWidgetItem* item = m_tags->currentItem();
    if (!item)
        return;
    if (!m_index.removeTag(m_path, item->text()))
        return complain(
            QStringLiteral("The tag could not be removed: %1").arg(m_index.lastError()));
    showTags();
}
