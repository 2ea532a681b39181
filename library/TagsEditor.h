#pragma once

#include "library/SoundIndex.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

// Reads the folder of the sound at path (the index's bytes) into the index at once, for a sound
// newer than the last rescan; false when that failed.
bool indexFolderOf(ISoundIndex& index, const QByteArray& path);

// One sound's tags, added and removed at once in the index: the list, a field for a new tag
// (Enter adds it) and Add and Remove. Shown in the Sound Tags and the Sound Properties windows.
class TagsEditor : public QWidget {
    Q_OBJECT
public:
    // indexNow puts the sound's folder into the index when the sound is not there yet (a file
    // that arrived since the last rescan); it returns false when that failed.
    TagsEditor(ISoundIndex& index, const QByteArray& path, std::function<bool()> indexNow,
               QWidget* parent);

    QListWidget& tagList() { return *m_tags; }
    QLineEdit& newTag() { return *m_newTag; }
    QPushButton& addButton() { return *m_add; }
    QPushButton& removeButton() { return *m_remove; }
    // The sound as the index now holds it, if it does.
    std::optional<IndexedSound> sound() const { return m_index.sound(m_path); }

signals:
    void tagsChanged();

private:
    void showTags();
    void addTag();
    void removeTag();
    void complain(const QString& what);

    ISoundIndex& m_index;
    QByteArray m_path;
    QListWidget* m_tags;
    QLineEdit* m_newTag;
    QPushButton* m_add;
    QPushButton* m_remove;
};
