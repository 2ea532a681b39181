#include "library/TagsDialog.h"

#include "library/SoundLoudness.h"
#include "library/TagsEditor.h"
#include "platform/NativeName.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

QString loudnessText(const IndexedSound& sound) {
    if (!sound.measured)
        return QStringLiteral("not measured yet");
    if (!sound.loudness)
        return QStringLiteral("cannot be measured");
    return loudnessText(LoudnessFacts{*sound.loudness, sound.truePeak.value_or(-INFINITY), false});
}

TagsDialog::TagsDialog(ISoundIndex& index, const QByteArray& path, std::function<bool()> indexNow,
                       QWidget* parent)
    : QDialog(parent), m_editor(new TagsEditor(index, path, std::move(indexNow), this)),
      m_loudness(new QLabel(this)) {
    setWindowTitle(QStringLiteral(" Sound Tags"));
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    const QString name = nativename::shown(nativename::decode(path.mid(path.lastIndexOf('/') + 1)));
    grid->addWidget(new QLabel(name, this), 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Loudness:"), this), 1, 0);
    grid->addWidget(m_loudness, 1, 1);
    grid->addWidget(m_editor, 2, 0, 1, 2);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setAutoDefault(false);
    grid->addWidget(close, 3, 1, Qt::AlignRight);
    m_loudness->setAccessibleName(QStringLiteral("Loudness"));
    m_editor->newTag().setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    const std::optional<IndexedSound> sound = m_editor->sound();
    m_loudness->setText(sound ? ::loudnessText(*sound) : QStringLiteral("not in the index"));
}

QListWidget& TagsDialog::tagList() {
    return m_editor->tagList();
}

QLineEdit& TagsDialog::newTag() {
    return m_editor->newTag();
}

QString TagsDialog::loudnessText() const {
    return m_loudness->text();
}
