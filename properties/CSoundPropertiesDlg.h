#pragma once

#include "platform/audio/LoudnessMeter.h"
#include "properties/SoundProperties.h"

#include <QDialog>
#include <expected>

class ISoundPlayer;
class ISoundIndex;
class CIconButton;
class CWavePlayer;
class PeakLoader;
class QGridLayout;
class QLineEdit;
class SoundLoudness;
class TagsEditor;
class WaveStrip;

// What the window shows besides the sound's facts; without a part it goes without it.
struct PropertiesExtras {
    CWavePlayer* player = nullptr;     // plays from a point of the strip; the gain of every play
    ISoundIndex* index = nullptr;      // the tags
    SoundLoudness* loudness = nullptr; // the loudness, measured on a worker when not known yet
    PeakLoader* peaks = nullptr;       // the waveform strip
};

// The modal " Sound Properties" sheet: read-only facts about one sound, its loudness, its
// waveform (a click plays from that point), its tags, "Play" (heard to its end before the
// dialog answers again) and "More" (the raw format numbers).
class CSoundPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CSoundPropertiesDlg(SoundProperties properties, ISoundPlayer& sounds, QWidget* parent,
                        PropertiesExtras extras = {});
    ~CSoundPropertiesDlg() override;

    const SoundProperties& properties() const { return m_properties; }
    // The shown text of a field by its object name ("fileName", "type", "location", "size",
    // "attributes", "format", "playTime", "loudness").
    QString fieldText(const QString& field) const;
    CIconButton& playButton() const { return *m_play; }
    CIconButton& moreButton() const { return *m_more; }
    CIconButton& closeButton() const { return *m_close; }
    // Null when the window goes without them.
    WaveStrip* strip() const { return m_strip; }
    TagsEditor* tags() const { return m_tags; }

private:
    QLineEdit* addField(QGridLayout* grid, int row, const QString& label, const QString& name,
                        const QString& value);
    void addSeparator(QGridLayout* grid, int row);
    void addStrip(QGridLayout* grid, int row);
    void addTags(QGridLayout* grid, int row);
    void showLoudness();
    void showMeasured(const QString& path, const std::expected<LoudnessFacts, QString>& result);
    void onPlay();
    void onMore();
    void playFrom(qint64 frame);

    SoundProperties m_properties;
    ISoundPlayer& m_sounds;
    PropertiesExtras m_extras;
    QLineEdit* m_loudness = nullptr;
    WaveStrip* m_strip = nullptr;
    TagsEditor* m_tags = nullptr;
    bool m_stripPlayed = false;
    CIconButton* m_play;
    CIconButton* m_more;
    CIconButton* m_close;
};

// A read-only edit field that shows text without a frame of its own, as property sheets do.
QLineEdit* makeReadOnlyField(const QString& name, const QString& value, QWidget* parent);
