#pragma once

#include "library/SoundIndex.h"

#include <map>
#include <memory>
#include <string>
#include <thread>

struct sqlite3;
class SqliteStatement;

// The index in one SQLite file (write-ahead log, each change one transaction, so a program
// killed mid-scan leaves the index as it was after the last whole batch of folders). Words are
// found through an FTS5 table with a prefix index.
class SqliteSoundIndex final : public ISoundIndex {
public:
    // Opens the index at file, creating it. A file that is no index, or a damaged one, is set
    // aside (file + ".broken") and a fresh index started, to be filled again from the sound
    // files; *report then says so. Nothing when even a fresh one cannot be made (*report says
    // why).
    static std::unique_ptr<SqliteSoundIndex> open(const QString& file, QString* report);
    ~SqliteSoundIndex() override;

    std::vector<KnownFolder> foldersUnder(const QByteArray& root) override;
    std::vector<IndexedSound> soundsIn(const QByteArray& folder) override;
    bool applyFolders(std::span<const FolderUpdate> updates) override;
    bool dropFolders(const std::vector<QByteArray>& folders) override;
    bool markOffline(const QByteArray& root, bool offline) override;
    void setFirstFill(bool filling) override;
    std::vector<IndexedSound> find(const SoundQuery& query, int limit) override;
    std::optional<IndexedSound> sound(const QByteArray& path) override;
    QStringList tags(const QByteArray& path) override;
    bool addTag(const QByteArray& path, const QString& tag) override;
    bool removeTag(const QByteArray& path, const QString& tag) override;
    std::vector<QByteArray> withoutLoudness(int limit) override;
    bool setLoudness(const QByteArray& path, double loudness, double truePeak) override;
    QString lastError() const override { return m_error; }

private:
    explicit SqliteSoundIndex(sqlite3* db);
    SqliteStatement& cached(const char* sql);
    bool exec(const char* sql);
    bool fail();
    bool commitOrUndo(bool ok);
    std::optional<qint64> soundId(const QByteArray& path);
    bool writeFolder(const FolderUpdate& update);
    bool insertSound(qint64 folderId, const QByteArray& folderWords, const IndexedSound& sound);
    bool putSound(qint64 folderId, const QByteArray& folderWords, const IndexedSound& sound);
    bool dropSound(qint64 id);
    bool refreshTagWords(qint64 id);

    sqlite3* m_db;
    std::map<std::string, std::unique_ptr<SqliteStatement>> m_statements;
    QString m_error;
    std::jthread m_settling; // makes a first fill safe on disk
};
