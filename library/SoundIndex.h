#pragma once

#include "library/SoundQuery.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

// A sound as the index keeps it. Folder and name are the file system's bytes.
struct IndexedSound {
    QByteArray folder;
    QByteArray name;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    QString format;      // "PCM", or the tag number of another coding
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
    double seconds = 0;
    QString text;                   // titles, comments and descriptions the file carries
    bool measured = false;          // the loudness was measured, or found not measurable
    std::optional<double> loudness; // integrated, LUFS; -inf: silent or too short
    std::optional<double> truePeak; // dBTP; -inf: silent
    bool offline = false;           // on a drive that is not there now

    QByteArray path() const { return folder + '/' + name; }
};

// A folder the index knows, with the modification time it had when it was last read.
struct KnownFolder {
    QByteArray path;
    qint64 modified = 0;
    bool offline = false;
};

// What a rescan learned about one folder; written as one whole.
struct FolderUpdate {
    QByteArray folder;
    qint64 modified = 0;
    QString searchText;            // the folder as the user looks for it
    std::vector<IndexedSound> put; // new or changed sounds (their folder field is ignored)
    std::vector<QByteArray> gone;  // names no longer there
};

// The index of every sound the user keeps. Narrow on purpose: the scanner, the search, tags
// and loudness are all it serves, so another store (a shared server) is one more class.
// Writes report failure with false and lastError(); reads give nothing on failure.
class ISoundIndex {
public:
    virtual ~ISoundIndex() = default;

    // The folders at or below root (every folder when root is empty).
    virtual std::vector<KnownFolder> foldersUnder(const QByteArray& root) = 0;
    // The sounds of one folder as last read (names, sizes and times are what matter).
    virtual std::vector<IndexedSound> soundsIn(const QByteArray& folder) = 0;
    // Writes the updates in order as one whole: all of them or, on failure, none.
    virtual bool applyFolders(std::span<const FolderUpdate> updates) = 0;
    bool applyFolder(const FolderUpdate& update) { return applyFolders({&update, 1}); }
    // Forgets folders with their sounds and tags (not what lies below them).
    virtual bool dropFolders(const std::vector<QByteArray>& folders) = 0;
    // Marks root and every folder below it as on a missing drive, or back again.
    virtual bool markOffline(const QByteArray& root, bool offline) = 0;
    // While an empty index is filled for the first time, its writes need only survive the
    // program being killed, not the system going down: a first fill is no loss, and a damaged
    // index is set aside and built again from the files. Ending the first fill makes all that
    // was written as safe as any later write.
    virtual void setFirstFill(bool filling) = 0;

    // At most limit sounds matching the query.
    virtual std::vector<IndexedSound> find(const SoundQuery& query, int limit) = 0;
    virtual std::optional<IndexedSound> sound(const QByteArray& path) = 0;

    virtual QStringList tags(const QByteArray& path) = 0;
    // False when the sound is not in the index (or the write failed).
    virtual bool addTag(const QByteArray& path, const QString& tag) = 0;
    virtual bool removeTag(const QByteArray& path, const QString& tag) = 0;

    // Up to limit sounds whose loudness is not yet measured.
    virtual std::vector<QByteArray> withoutLoudness(int limit) = 0;
    // NaN figures mark a sound that cannot be measured; -inf is kept (silence).
    virtual bool setLoudness(const QByteArray& path, double loudness, double truePeak) = 0;

    virtual QString lastError() const = 0;
};
