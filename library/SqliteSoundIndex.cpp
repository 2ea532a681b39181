#include "library/SqliteSoundIndex.h"

#include "library/SqliteStatement.h"
#include "platform/NativeName.h"

#include <QFile>
#include <sqlite3.h>

namespace {

const char* const kSchema = R"(
PRAGMA journal_mode=WAL;
PRAGMA synchronous=NORMAL;
CREATE TABLE IF NOT EXISTS folders(
    id INTEGER PRIMARY KEY, path BLOB NOT NULL UNIQUE, modified INTEGER NOT NULL,
    offline INTEGER NOT NULL DEFAULT 0, words TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS sounds(
    id INTEGER PRIMARY KEY, folder INTEGER NOT NULL, name BLOB NOT NULL,
    size INTEGER NOT NULL, modified INTEGER NOT NULL, format TEXT NOT NULL,
    channels INTEGER NOT NULL, rate INTEGER NOT NULL, bits INTEGER NOT NULL,
    seconds REAL NOT NULL, text TEXT NOT NULL, loudness REAL, peak REAL,
    measured INTEGER NOT NULL DEFAULT 0, UNIQUE(folder, name));
CREATE TABLE IF NOT EXISTS tags(
    sound INTEGER NOT NULL, tag TEXT NOT NULL COLLATE NOCASE, PRIMARY KEY(sound, tag))
    WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS tags_by_name ON tags(tag);
CREATE VIRTUAL TABLE IF NOT EXISTS words USING fts5(
    name, folder, tags, text, prefix='2 3', columnsize=0,
    tokenize='unicode61 remove_diacritics 2');
)";

// Paths strictly below folder sort between folder + "/" and folder + "0" ('0' follows '/').
QByteArray belowStart(const QByteArray& folder) {
    return folder + '/';
}
QByteArray belowEnd(const QByteArray& folder) {
    return folder + '0';
}

std::pair<QByteArray, QByteArray> splitPath(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return {path.left(slash), path.mid(slash + 1)};
}

// The name as the user reads it, without the extension every sound shares.
QString nameWords(const QByteArray& name) {
    QString shown = nativename::shown(nativename::decode(name));
    if (shown.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        shown.chop(4);
    return shown;
}

// One word of the search as an FTS5 prefix phrase; nothing when it holds no letter or digit.
QString prefixPhrase(const QString& word) {
    const bool hasToken =
        std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetterOrNumber(); });
    if (!hasToken)
        return {};
    QString quoted = word;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1String("\"*");
}

// Binds name, size, time, format, channels, rate, bits, seconds and text from first on.
void bindFacts(SqliteStatement& statement, int first, const IndexedSound& sound) {
    statement.bind(first, sound.name)
        .bind(first + 1, sound.size)
        .bind(first + 2, sound.modified)
        .bind(first + 3, sound.format)
        .bind(first + 4, qint64(sound.channels))
        .bind(first + 5, qint64(sound.sampleRate))
        .bind(first + 6, qint64(sound.bits))
        .bind(first + 7, sound.seconds)
        .bind(first + 8, sound.text);
}

const char* const kSoundColumns =
    "f.path, s.name, s.size, s.modified, s.format, s.channels, s.rate, s.bits, s.seconds, "
    "s.text, s.loudness, s.peak, f.offline, s.measured";

IndexedSound readSound(const SqliteStatement& row) {
    IndexedSound sound;
    sound.folder = row.blob(0);
    sound.name = row.blob(1);
    sound.size = row.integer(2);
    sound.modified = row.integer(3);
    sound.format = row.text(4);
    sound.channels = int(row.integer(5));
    sound.sampleRate = int(row.integer(6));
    sound.bits = int(row.integer(7));
    sound.seconds = row.real(8);
    sound.text = row.text(9);
    sound.loudness = row.optionalReal(10);
    sound.truePeak = row.optionalReal(11);
    sound.offline = row.integer(12) != 0;
    sound.measured = row.integer(13) != 0;
    return sound;
}

bool isDamage(int code) {
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

sqlite3* openFile(const QByteArray& path, int* code) {
    sqlite3* db = nullptr;
    // A connection is used by one thread at a time (a scan's writer hands it over), so
    // SQLite's own locking of every call is not needed.
    *code =
        sqlite3_open_v2(path.constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (*code == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        *code = sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
    }
    if (*code == SQLITE_OK)
        return db;
    sqlite3_close(db);
    return nullptr;
}

void setAside(const QByteArray& path) {
    const QString file = nativename::decode(path);
    QFile::remove(file + QStringLiteral(".broken"));
    QFile::rename(file, file + QStringLiteral(".broken"));
    QFile::remove(file + QStringLiteral("-wal"));
    QFile::remove(file + QStringLiteral("-shm"));
}

} // namespace

std::unique_ptr<SqliteSoundIndex> SqliteSoundIndex::open(const QString& file, QString* report) {
    const QByteArray path = nativename::encode(file);
    int code = SQLITE_OK;
    sqlite3* db = openFile(path, &code);
    if (!db && isDamage(code)) {
        setAside(path);
        db = openFile(path, &code);
        if (db && report)
            *report = QStringLiteral("The sound index %1 was damaged; it was set aside and is "
                                     "built again from the sound files.")
                          .arg(nativename::shown(file));
    }
    if (!db) {
        if (report)
            *report = QStringLiteral("The sound index %1 cannot be opened: %2")
                          .arg(nativename::shown(file), QString::fromUtf8(sqlite3_errstr(code)));
        return nullptr;
    }
    return std::unique_ptr<SqliteSoundIndex>(new SqliteSoundIndex(db));
}

SqliteSoundIndex::SqliteSoundIndex(sqlite3* db) : m_db(db) {}

SqliteSoundIndex::~SqliteSoundIndex() {
    m_settling = {};
    m_statements.clear();
    sqlite3_close(m_db);
}

SqliteStatement& SqliteSoundIndex::cached(const char* sql) {
    std::unique_ptr<SqliteStatement>& statement = m_statements[sql];
    if (!statement)
        statement = std::make_unique<SqliteStatement>(m_db, sql);
    return statement->reset();
}

bool SqliteSoundIndex::fail() {
    m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
    return false;
}

bool SqliteSoundIndex::exec(const char* sql) {
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK || fail();
}

bool SqliteSoundIndex::commitOrUndo(bool ok) {
    if (ok && exec("COMMIT"))
        return true;
    const QString error = m_error;
    exec("ROLLBACK");
    m_error = error;
    return false;
}

std::vector<KnownFolder> SqliteSoundIndex::foldersUnder(const QByteArray& root) {
    SqliteStatement& query =
        root.isEmpty() ? cached("SELECT path, modified, offline FROM folders")
                       : cached("SELECT path, modified, offline FROM folders WHERE path = ?1 OR "
                                "(path > ?2 AND path < ?3)");
    if (!root.isEmpty())
        query.bind(1, root).bind(2, belowStart(root)).bind(3, belowEnd(root));
    std::vector<KnownFolder> folders;
    while (query.next())
        folders.push_back({query.blob(0), query.integer(1), query.integer(2) != 0});
    return folders;
}

std::vector<IndexedSound> SqliteSoundIndex::soundsIn(const QByteArray& folder) {
    static const std::string sql = std::string("SELECT ") + kSoundColumns +
                                   " FROM sounds s JOIN folders f ON f.id = s.folder "
                                   "WHERE f.path = ?1";
    SqliteStatement& query = cached(sql.c_str());
    query.bind(1, folder);
    std::vector<IndexedSound> sounds;
    while (query.next())
        sounds.push_back(readSound(query));
    return sounds;
}

std::optional<qint64> SqliteSoundIndex::soundId(const QByteArray& path) {
    const auto [folder, name] = splitPath(path);
    SqliteStatement& query = cached("SELECT s.id FROM sounds s JOIN folders f ON f.id = s.folder "
                                    "WHERE f.path = ?1 AND s.name = ?2");
    query.bind(1, folder).bind(2, name);
    if (!query.next())
        return std::nullopt;
    return query.integer(0);
}

bool SqliteSoundIndex::dropSound(qint64 id) {
    return cached("DELETE FROM words WHERE rowid = ?1").bind(1, id).run() &&
           cached("DELETE FROM tags WHERE sound = ?1").bind(1, id).run() &&
           cached("DELETE FROM sounds WHERE id = ?1").bind(1, id).run();
}

// A sound of a folder that was not in the index: nothing to replace, no tags yet.
bool SqliteSoundIndex::insertSound(qint64 folderId, const QByteArray& folderWords,
                                   const IndexedSound& sound) {
    SqliteStatement& write =
        cached("INSERT INTO sounds(folder, name, size, modified, format, channels, rate, bits, "
               "seconds, text) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    bindFacts(write.bind(1, folderId), 2, sound);
    return write.run() && cached("INSERT INTO words(rowid, name, folder, tags, text) "
                                 "VALUES(?1, ?2, ?3, '', ?4)")
                              .bind(1, sqlite3_last_insert_rowid(m_db))
                              .bind(2, nameWords(sound.name))
                              .bindText(3, folderWords)
                              .bind(4, sound.text)
                              .run();
}

bool SqliteSoundIndex::putSound(qint64 folderId, const QByteArray& folderWords,
                                const IndexedSound& sound) {
    SqliteStatement& existing = cached("SELECT id FROM sounds WHERE folder = ?1 AND name = ?2");
    existing.bind(1, folderId).bind(2, sound.name);
    const std::optional<qint64> id =
        existing.next() ? std::optional<qint64>(existing.integer(0)) : std::nullopt;
    SqliteStatement& write =
        cached("INSERT INTO sounds(id, folder, name, size, modified, format, channels, rate, "
               "bits, seconds, text) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11) "
               "ON CONFLICT(id) DO UPDATE SET size = ?4, modified = ?5, format = ?6, "
               "channels = ?7, rate = ?8, bits = ?9, seconds = ?10, text = ?11, "
               "loudness = NULL, peak = NULL, measured = 0");
    if (id)
        write.bind(1, *id);
    bindFacts(write.bind(2, folderId), 3, sound);
    if (!write.run())
        return false;
    const qint64 rowId = id ? *id : sqlite3_last_insert_rowid(m_db);
    if (id && !cached("DELETE FROM words WHERE rowid = ?1").bind(1, rowId).run())
        return false;
    return cached("INSERT INTO words(rowid, name, folder, tags, text) VALUES(?1, ?2, ?3, "
                  "(SELECT coalesce(group_concat(tag, ' '), '') FROM tags WHERE sound = ?1), ?4)")
        .bind(1, rowId)
        .bind(2, nameWords(sound.name))
        .bindText(3, folderWords)
        .bind(4, sound.text)
        .run();
}

bool SqliteSoundIndex::writeFolder(const FolderUpdate& update) {
    SqliteStatement& folderId = cached("SELECT id FROM folders WHERE path = ?1");
    folderId.bind(1, update.folder);
    std::optional<qint64> id =
        folderId.next() ? std::optional<qint64>(folderId.integer(0)) : std::nullopt;
    const bool fresh = !id;
    if (fresh) {
        if (!cached("INSERT INTO folders(path, modified, words) VALUES(?1, ?2, ?3)")
                 .bind(1, update.folder)
                 .bind(2, update.modified)
                 .bind(3, update.searchText)
                 .run())
            return false;
        id = sqlite3_last_insert_rowid(m_db);
    } else if (!cached("UPDATE folders SET modified = ?2, offline = 0, words = ?3 WHERE id = ?1")
                    .bind(1, *id)
                    .bind(2, update.modified)
                    .bind(3, update.searchText)
                    .run())
        return false;
    bool ok = true;
    for (const QByteArray& name : update.gone) {
        if (!ok)
            break;
        if (const std::optional<qint64> soundId = this->soundId(update.folder + '/' + name))
            ok = dropSound(*soundId);
    }
    const QByteArray folderWords = update.searchText.toUtf8(); // every sound of it has them
    for (const IndexedSound& sound : update.put) {
        if (!ok)
            break;
        ok = fresh ? insertSound(*id, folderWords, sound) : putSound(*id, folderWords, sound);
    }
    return ok;
}

bool SqliteSoundIndex::applyFolders(std::span<const FolderUpdate> updates) {
    if (!exec("BEGIN IMMEDIATE"))
        return false;
    bool ok = true;
    for (const FolderUpdate& update : updates)
        if (ok)
            ok = writeFolder(update);
    if (!ok)
        fail();
    return commitOrUndo(ok);
}

bool SqliteSoundIndex::dropFolders(const std::vector<QByteArray>& folders) {
    if (!exec("BEGIN IMMEDIATE"))
        return false;
    bool ok = true;
    for (const QByteArray& folder : folders) {
        SqliteStatement& sounds = cached("SELECT s.id FROM sounds s JOIN folders f ON "
                                         "f.id = s.folder WHERE f.path = ?1");
        sounds.bind(1, folder);
        std::vector<qint64> ids;
        while (sounds.next())
            ids.push_back(sounds.integer(0));
        for (const qint64 id : ids)
            ok = ok && dropSound(id);
        ok = ok && cached("DELETE FROM folders WHERE path = ?1").bind(1, folder).run();
    }
    if (!ok)
        fail();
    return commitOrUndo(ok);
}

bool SqliteSoundIndex::markOffline(const QByteArray& root, bool offline) {
    return cached("UPDATE folders SET offline = ?1 WHERE path = ?2 OR (path > ?3 AND path < ?4)")
               .bind(1, qint64(offline))
               .bind(2, root)
               .bind(3, belowStart(root))
               .bind(4, belowEnd(root))
               .run() ||
           fail();
}

void SqliteSoundIndex::setFirstFill(bool filling) {
    // What a killed program wrote is with the system already, so the log stays whole without
    // waiting for the disk. Once the fill is over the log is copied into the file and the disk
    // waited for, on a connection of its own, so that the index is in use meanwhile.
    if (filling) {
        m_settling = {};
        exec("PRAGMA synchronous=OFF");
        return;
    }
    exec("PRAGMA synchronous=NORMAL");
    m_settling = std::jthread([file = QByteArray(sqlite3_db_filename(m_db, "main"))] {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
            sqlite3_exec(db, "PRAGMA synchronous=NORMAL; PRAGMA wal_checkpoint(PASSIVE)", nullptr,
                         nullptr, nullptr);
        sqlite3_close(db);
    });
}

std::vector<IndexedSound> SqliteSoundIndex::find(const SoundQuery& query, int limit) {
    QStringList phrases;
    for (const QString& word : query.words)
        if (const QString phrase = prefixPhrase(word); !phrase.isEmpty())
            phrases.append(phrase);
    if (phrases.isEmpty() && query.tags.isEmpty() && !query.minSeconds && !query.maxSeconds &&
        !query.channels)
        return {};
    QString sql = QStringLiteral("SELECT %1 FROM ").arg(QLatin1String(kSoundColumns));
    sql += phrases.isEmpty() ? QStringLiteral("sounds s")
                             : QStringLiteral("words w JOIN sounds s ON s.id = w.rowid");
    sql += QStringLiteral(" JOIN folders f ON f.id = s.folder WHERE 1");
    if (!phrases.isEmpty())
        sql += QStringLiteral(" AND w.words MATCH :match");
    for (qsizetype i = 0; i < query.tags.size(); ++i)
        sql += QStringLiteral(" AND s.id IN (SELECT sound FROM tags WHERE tag = :tag%1)").arg(i);
    if (query.minSeconds)
        sql += QStringLiteral(" AND s.seconds >= :min");
    if (query.maxSeconds)
        sql += QStringLiteral(" AND s.seconds < :max");
    if (query.channels)
        sql += QStringLiteral(" AND s.channels = :channels");
    sql += QStringLiteral(" LIMIT :limit");
    SqliteStatement statement(m_db, sql.toUtf8().constData());
    int index = 1;
    if (!phrases.isEmpty())
        statement.bind(index++, phrases.join(QLatin1Char(' ')));
    for (const QString& tag : query.tags)
        statement.bind(index++, tag);
    if (query.minSeconds)
        statement.bind(index++, *query.minSeconds);
    if (query.maxSeconds)
        statement.bind(index++, *query.maxSeconds);
    if (query.channels)
        statement.bind(index++, qint64(*query.channels));
    statement.bind(index, qint64(limit));
    std::vector<IndexedSound> found;
    while (statement.next())
        found.push_back(readSound(statement));
    if (statement.failed())
        fail();
    return found;
}

std::optional<IndexedSound> SqliteSoundIndex::sound(const QByteArray& path) {
    static const std::string sql = std::string("SELECT ") + kSoundColumns +
                                   " FROM sounds s JOIN folders f ON f.id = s.folder "
                                   "WHERE f.path = ?1 AND s.name = ?2";
    const auto [folder, name] = splitPath(path);
    SqliteStatement& query = cached(sql.c_str());
    query.bind(1, folder).bind(2, name);
    if (!query.next())
        return std::nullopt;
    return readSound(query);
}

QStringList SqliteSoundIndex::tags(const QByteArray& path) {
    const std::optional<qint64> id = soundId(path);
    QStringList found;
    if (!id)
        return found;
    SqliteStatement& query = cached("SELECT tag FROM tags WHERE sound = ?1 ORDER BY tag");
    query.bind(1, *id);
    while (query.next())
        found.append(query.text(0));
    return found;
}

bool SqliteSoundIndex::refreshTagWords(qint64 id) {
    return cached("UPDATE words SET tags = (SELECT coalesce(group_concat(tag, ' '), '') FROM "
                  "tags WHERE sound = ?1) WHERE rowid = ?1")
        .bind(1, id)
        .run();
}

bool SqliteSoundIndex::addTag(const QByteArray& path, const QString& tag) {
    const QString clean = tag.simplified();
    if (clean.isEmpty() || !exec("BEGIN IMMEDIATE"))
        return false;
    const std::optional<qint64> id = soundId(path);
    const bool ok = id &&
                    cached("INSERT OR IGNORE INTO tags(sound, tag) VALUES(?1, ?2)")
                        .bind(1, *id)
                        .bind(2, clean)
                        .run() &&
                    refreshTagWords(*id);
    if (!ok && id)
        fail();
    return commitOrUndo(ok);
}

bool SqliteSoundIndex::removeTag(const QByteArray& path, const QString& tag) {
    if (!exec("BEGIN IMMEDIATE"))
        return false;
    const std::optional<qint64> id = soundId(path);
    const bool ok = id &&
                    cached("DELETE FROM tags WHERE sound = ?1 AND tag = ?2")
                        .bind(1, *id)
                        .bind(2, tag.simplified())
                        .run() &&
                    refreshTagWords(*id);
    if (!ok && id)
        fail();
    return commitOrUndo(ok);
}

std::vector<QByteArray> SqliteSoundIndex::withoutLoudness(int limit) {
    SqliteStatement& query =
        cached("SELECT f.path, s.name FROM sounds s JOIN folders f ON f.id = s.folder "
               "WHERE s.measured = 0 AND f.offline = 0 LIMIT ?1");
    query.bind(1, qint64(limit));
    std::vector<QByteArray> paths;
    while (query.next())
        paths.push_back(query.blob(0) + '/' + query.blob(1));
    return paths;
}

bool SqliteSoundIndex::setLoudness(const QByteArray& path, double loudness, double truePeak) {
    const std::optional<qint64> id = soundId(path);
    if (!id)
        return false;
    // SQLite keeps -inf (a silent sound) but turns NaN into NULL: not measurable.
    const auto known = [](double value) {
        return std::isnan(value) ? std::nullopt : std::optional<double>(value);
    };
    return cached("UPDATE sounds SET loudness = ?2, peak = ?3, measured = 1 WHERE id = ?1")
               .bind(1, *id)
               .bind(2, known(loudness))
               .bind(3, known(truePeak))
               .run() ||
           fail();
}
