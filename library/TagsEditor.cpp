#include "library/TagsEditor.h"

#include "library/IndexScanner.h"
#include "widgets/ControlNames.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

bool indexFolderOf(ISoundIndex& index, const QByteArray& path) {
    const QByteArray folder = path.left(path.lastIndexOf('/'));
    return IndexScanner(index, 0).scan({folder}, IndexScanner::Covers::TopsOnly).problems.isEmpty();
}

TagsEditor::TagsEditor(ISoundIndex& index, const QByteArray& path, std::function<bool()> indexNow,
                       QWidget* parent)
    : QWidget(parent), m_index(index), m_path(path), m_tags(new QListWidget(this)),
      m_newTag(new QLineEdit(this)), m_add(new QPushButton(QStringLiteral("&Add"), this)),
      m_remove(new QPushButton(QStringLiteral("&Remove"), this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_tags, 0, 0, 2, 1);
    grid->addWidget(m_remove, 0, 1, Qt::AlignTop);
    grid->addWidget(m_newTag, 2, 0);
    grid->addWidget(m_add, 2, 1);
    nameControl(*m_tags, QStringLiteral("Tags"));
    nameControl(*m_newTag, QStringLiteral("New tag"));
    nameControl(*m_add, QStringLiteral("Add tag"));
    nameControl(*m_remove, QStringLiteral("Remove tag"));
    m_newTag->setPlaceholderText(QStringLiteral("New tag"));
    // Enter in the tag field adds the tag; no button takes it to close the window.
    for (QPushButton* button : {m_add, m_remove})
        button->setAutoDefault(false);
    setTabOrder(m_tags, m_newTag);
    setTabOrder(m_newTag, m_add);
    setTabOrder(m_add, m_remove);
    connect(m_add, &QPushButton::clicked, this, &TagsEditor::addTag);
    connect(m_newTag, &QLineEdit::returnPressed, this, &TagsEditor::addTag);
    connect(m_remove, &QPushButton::clicked, this, &TagsEditor::removeTag);
    if (!m_index.sound(m_path) && indexNow)
        indexNow();
    showTags();
}

void TagsEditor::showTags() {
    m_tags->clear();
    m_tags->addItems(m_index.tags(m_path));
}

void TagsEditor::complain(const QString& what) {
    QMessageBox::warning(this, window()->windowTitle().trimmed(), what);
}

void TagsEditor::addTag() {
    const QString tag = m_newTag->text().simplified();
    if (tag.isEmpty())
        return;
    if (!m_index.sound(m_path))
        return complain(QStringLiteral("This sound is not in the index, so it cannot be tagged."));
    if (!m_index.addTag(m_path, tag))
        return complain(QStringLiteral("The tag could not be stored: %1").arg(m_index.lastError()));
    m_newTag->clear();
    showTags();
    emit tagsChanged();
}

void TagsEditor::removeTag() {
    const QListWidgetItem* item = m_tags->currentItem();
    if (!item)
        return;
    if (!m_index.removeTag(m_path, item->text()))
        return complain(
            QStringLiteral("The tag could not be removed: %1").arg(m_index.lastError()));
    showTags();
    emit tagsChanged();
}
