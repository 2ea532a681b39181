#pragma once

#include "library/SoundIndex.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QListWidget;
class QLabel;
class TagsEditor;

// The modal " Sound Tags" window of one sound: its tags, added and removed at once in the
// index, and what the index knows of its loudness.
class TagsDialog : public QDialog {
    Q_OBJECT
public:
    // indexNow puts the sound's folder into the index when the sound is not there yet (a file
    // that arrived since the last rescan); it returns false when that failed.
    TagsDialog(ISoundIndex& index, const QByteArray& path, std::function<bool()> indexNow,
               QWidget* parent);

    QListWidget& tagList();
    QLineEdit& newTag();
    QString loudnessText() const;

private:
    TagsEditor* m_editor;
    QLabel* m_loudness;
};

// "-23.0 LUFS, true peak -1.2 dBTP", "not measured yet", or "cannot be measured".
QString loudnessText(const IndexedSound& sound);
