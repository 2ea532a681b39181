#pragma once

#include "options/OptionsPage.h"

class QCheckBox;
class QLineEdit;

// Misc.: the add-to-favourites prompt, the flat scroll bar of the main list, playing sounds
// while browsing, playing them at even loudness, listing every sound file type and the
// default e-mail address, each stored at once.
class CPPage5 : public COptionsPage {
    Q_OBJECT
public:
    CPPage5(OptionsContext& context, QWidget* parent);

    QCheckBox& favoritesBox() const { return *m_favorites; }
    QCheckBox& flatScrollBarBox() const { return *m_flatScrollBar; }
    QCheckBox& previewBox() const { return *m_preview; }
    QCheckBox& evenLoudnessBox() const { return *m_evenLoudness; }
    QCheckBox& allSoundsBox() const { return *m_allSounds; }
    QLineEdit& addressEdit() const { return *m_address; }

protected:
    void OnInitDialog() override;

private:
    QCheckBox* m_favorites;
    QCheckBox* m_flatScrollBar;
    QCheckBox* m_preview;
    QCheckBox* m_evenLoudness;
    QCheckBox* m_allSounds;
    QLineEdit* m_address;
    QString m_storedAddress; // what the edit showed when last stored or read
};
