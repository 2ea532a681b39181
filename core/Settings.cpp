#include "core/Settings.h"

#include "platform/ProgramDirectory.h"
#include "platform/SettingsStore.h"
#include "platform/Ui.h"

DataFileSettings::DataFileSettings(const QString& programDir)
    : m_places(placesInProgramDir(programDir)) {}

DataFileSettings::DataFileSettings(ProgramPlaces places) : m_places(std::move(places)) {}

QString DataFileSettings::readString(const QString& section, const QString& key) const {
    return settings::readString(section, key, settings::kMissing, m_places.dataFile);
}

QStringList DataFileSettings::readStrings(const QString& section, const QStringList& keys) const {
    return settings::readStrings(section, keys, settings::kMissing, m_places.dataFile);
}

int DataFileSettings::readInt(const QString& section, const QString& key, int fallback) const {
    return settings::readInt(section, key, fallback, m_places.dataFile);
}

bool DataFileSettings::writeString(const QString& section, const QString& key,
                                   const QString& value) {
    return settings::writeString(section, key, value, m_places.dataFile);
}

bool DataFileSettings::writeStrings(const QList<settings::Entry>& entries) {
    return settings::writeStrings(entries, m_places.dataFile);
}

QString DataFileSettings::mainDirectory() const {
    return collectionFolder(read(keys::kMainDirectory));
}

QString DataFileSettings::collectionFolder(const QString& name) const {
    return m_places.collectionHome + name;
}

QString DataFileSettings::helpPage(const QString& page) const {
    return pathhelp::join(m_places.programDir + QStringLiteral("Help"), page);
}

QString DataFileSettings::cursorFile(const QString& relativePath) const {
    return pathhelp::join(m_places.programDir, relativePath);
}

QString readReported(const ISettings& settings, IUi& ui, const keys::Text& key, MsgIcon icon) {
    const QString value = settings.read(key);
    if (value == settings::kMissing)
        ui.messageBox(value, ui.appTitle(), MsgButtons::Ok, icon);
    return value;
}

MainSettings readMainSettings(const ISettings& settings, IUi& ui) {
    MainSettings s;
    s.mainDirectoryName = readReported(settings, ui, keys::kMainDirectory, MsgIcon::None);
    s.baseRecordingName = readReported(settings, ui, keys::kRecordingName, MsgIcon::None);
    s.editorPath = readReported(settings, ui, keys::kEditor, MsgIcon::None);
    s.cursorTheme = settings.read(keys::kCursorTheme);
    s.recordTime = settings.read(keys::kRecordTime);
    s.flatScrollBar = settings.read(keys::kFlatScrollBar);
    s.allSounds = settings.read(keys::kAllSounds);
    return s;
}
