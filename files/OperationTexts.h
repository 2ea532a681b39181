#pragma once

#include <QString>

// The fixed texts of the file operations' boxes and pickers.
namespace texts {

inline const QString kErrorCaption = QStringLiteral("Error");
inline const QString kDeleteCaption = QStringLiteral("Confirm to delete file");
inline const QString kDeleteFailed = QStringLiteral("Delete error. File is not accessible");
inline const QString kInsertTitle = QStringLiteral("Add sound to collection");
inline const QString kInsertFailed = QStringLiteral("Insert error. Cannot copy this file!");
inline const QString kNameExists =
    QStringLiteral("Sound with this name already exists.\nSpecify a different filename.");
inline const QString kRenameRefused =
    QStringLiteral("Rename error. Please choose another file name");
inline const QString kRenameFailed = QStringLiteral("Rename error. Cannot rename this file!");
inline const QString kCopyFailed = QStringLiteral("Rename error. Illegal filename!");

// Each takes the sound's file name as soundFileText gives it ("Bell.wav", "Bell.flac").
inline QString deleteQuestion(const QString& fileName) {
    return QStringLiteral("Warning! File \"") + fileName + QStringLiteral("\" will be deleted!");
}

inline QString soundGone(const QString& fileName) {
    return QStringLiteral("Rename error. File \"") + fileName +
           QStringLiteral("\" is no longer there. Nothing was renamed.");
}

inline QString notAWavSound(const QString& fileName) {
    return QStringLiteral("\"") + fileName +
           QStringLiteral("\" is not a WAV sound (.wav): only WAV sounds can be inserted.");
}

// patterns: the sound files that are listed, as "*.wav *.flac ...".
inline QString notASound(const QString& fileName, const QString& patterns) {
    return QStringLiteral("\"") + fileName +
           QStringLiteral("\" is not a sound file the list shows: only these can be inserted: ") +
           patterns;
}

inline QString copyToInstruction(const QString& fileName) {
    return QStringLiteral("Copy file ") + fileName + QStringLiteral(" to:");
}

} // namespace texts
