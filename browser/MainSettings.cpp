#include "browser/MainSettings.h"

#include "app/SettingsStore.h"

static QString readReported(const QString& section, const QString& key, const QString& file,
                            IUi& ui) {
    const QString value = settings::readString(section, key, settings::kMissing, file);
    if (value == settings::kMissing)
        ui.messageBox(value, ui.appTitle(), MsgButtons::Ok, MsgIcon::None);
    return value;
}

MainSettings readMainSettings(const QString& programDir, IUi& ui) {
    MainSettings s;
    s.dataFile = settings::dataFilePath(programDir);
    s.mainDirectoryName = readReported(QStringLiteral("Main_Directory"),
                                       QStringLiteral("Master_Directory"), s.dataFile, ui);
    s.baseRecordingName = readReported(QStringLiteral("Default_Rec_Name"),
                                       QStringLiteral("Rec_Name"), s.dataFile, ui);
    s.editorPath =
        readReported(QStringLiteral("Editor_Name"), QStringLiteral("Editor"), s.dataFile, ui);
    s.cursorTheme =
        settings::readInt(QStringLiteral("Cursor"), QStringLiteral("Current"), 1, s.dataFile);
    s.recordTime =
        settings::readInt(QStringLiteral("Record"), QStringLiteral("Rec_Time"), 30, s.dataFile);
    s.flatScrollBar =
        settings::readInt(QStringLiteral("Show"), QStringLiteral("Fsb"), 0, s.dataFile);
    return s;
}
