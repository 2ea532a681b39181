#pragma once

#include "properties/SoundProperties.h"

#include <QDialog>

class ISoundPlayer;
class CIconButton;
class QGridLayout;
class QLineEdit;

// The modal " Sound Properties" sheet: read-only facts about one sound, "Play" (heard to its
// end before the dialog answers again) and "More" (the raw format numbers).
class CSoundPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CSoundPropertiesDlg(SoundProperties properties, ISoundPlayer& sounds, QWidget* parent);

    const SoundProperties& properties() const { return m_properties; }
    // The shown text of a field by its object name ("fileName", "type", "location", "size",
    // "attributes", "format", "playTime").
    QString fieldText(const QString& field) const;
    CIconButton& playButton() const { return *m_play; }
    CIconButton& moreButton() const { return *m_more; }
    CIconButton& closeButton() const { return *m_close; }

private:
    void addField(QGridLayout* grid, int row, const QString& label, const QString& name,
                  const QString& value);
    void addSeparator(QGridLayout* grid, int row);
    void onPlay();
    void onMore();

    SoundProperties m_properties;
    ISoundPlayer& m_sounds;
    CIconButton* m_play;
    CIconButton* m_more;
    CIconButton* m_close;
};

// A read-only edit field that shows text without a frame of its own, as property sheets do.
QLineEdit* makeReadOnlyField(const QString& name, const QString& value, QWidget* parent);
