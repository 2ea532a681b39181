#pragma once

#include "waveform/StripState.h"

#include <QString>
#include <QTemporaryDir>
#include <expected>

class ISoundCutter;

// The strip's region as a file another program can take by drag and drop: the region is cut
// into "NAME (region).EXT", in the sound's own format, in a folder only this user can read.
// One such file at a time: it goes at the next cut, at release() and with this object.
class RegionDragFile {
public:
    explicit RegionDragFile(ISoundCutter& cutter);
    ~RegionDragFile();
    RegionDragFile(const RegionDragFile&) = delete;
    RegionDragFile& operator=(const RegionDragFile&) = delete;

    // The cut file's path; the error is a text for the user. A file cut before goes first.
    std::expected<QString, QString> cut(const QString& sound, const FrameRange& region);
    // The file goes.
    void release();

private:
    ISoundCutter& m_cutter;
    QTemporaryDir m_folder;
    QString m_file;
};

// "Bell (region).wav" for ".../Bell.wav"; a name that is not UTF-8 is spelled as shown.
QString regionFileName(const QString& sound);
