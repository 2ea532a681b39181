#pragma once

#include "library/FolderReadAhead.h"
#include "library/IndexWriter.h"
#include "library/SoundIndex.h"
#include "platform/FolderTree.h"

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

// What a scan did.
struct ScanReport {
    int foldersRead = 0;      // listed and compared with the index
    int foldersUnchanged = 0; // one stat each
    int soundsRead = 0;       // headers read (new or changed files)
    int soundsGone = 0;
    QStringList offline;  // top folders that are not there (a drive not mounted)
    QStringList problems; // folders that could not be read, index writes that failed
    bool cancelled = false;
};

// Brings the index up to date with the folders on disk. A folder whose modification time is
// what the index holds is not listed again (one stat); a listed folder's sounds are read again
// only when their size or time changed. Top folders that are missing are marked offline, not
// forgotten; folders below a top folder that are gone are forgotten with their sounds. Links
// are followed, but never into a folder the scan has been in (a loop ends there).
class IndexScanner {
public:
    static constexpr int kDefaultDepth = 8;

    IndexScanner(ISoundIndex& index, int depth = kDefaultDepth);

    // Called after each folder that was read, with what was done so far.
    void onProgress(std::function<void(const ScanReport&)> progress) {
        m_progress = std::move(progress);
    }
    // Stops a scan running on another thread after the folder it is at.
    void cancel() { m_cancelled = true; }
    // The top folders of the whole collection. A scan that starts below one of them (a folder
    // brought up to date on its own) names its folders and counts its depth from that top, as
    // a scan of the whole collection does.
    void setCollection(std::vector<QByteArray> tops) { m_collection = std::move(tops); }

    // What a scan forgets of the folders it did not reach: every one (the tops are the whole
    // collection), or only those below the tops (some folders of it are brought up to date).
    enum class Covers { Everything, TopsOnly };
    // Scans every top folder.
    ScanReport scan(const std::vector<QByteArray>& tops, Covers covers = Covers::Everything);

private:
    struct Known {
        qint64 modified = 0;
        bool offline = false;
    };
    ScanReport scanWithWriter(const std::vector<QByteArray>& tops, Covers covers);
    ScanReport finished();
    void scanTop(const QByteArray& top);
    // The collection top folder is at or below; folder itself when it is below none.
    QByteArray collectionTopOf(const QByteArray& folder) const;
    void visit(const QByteArray& folder, const QByteArray& top, int depth);
    // Asks for the subfolders new to the index to be read ahead.
    void askAhead(const std::vector<QByteArray>& subfolders);
    // Lists the folder (or takes it as read ahead) and writes what changed; the subfolders
    // found, or nothing if unreadable.
    std::optional<std::vector<QByteArray>> reread(const QByteArray& folder, const QByteArray& top,
                                                  qint64 modified,
                                                  std::optional<NewFolderRead> ahead);
    // Puts every sound of a folder new to the index; the names of its subfolders.
    std::optional<std::vector<QByteArray>> takeNewFolder(NewFolderRead read, FolderUpdate& update);
    // Puts the sounds that are new or changed since the index was written, names those gone;
    // the names of its subfolders.
    std::optional<std::vector<QByteArray>> compareWithIndex(const QByteArray& folder,
                                                            FolderUpdate& update);
    std::vector<QByteArray> knownChildren(const QByteArray& folder) const;
    void forgetBelow(const QByteArray& folder);
    void problem(const QString& text);
    // Writes what is queued, then drops or marks folders (in that order).
    void dropFolders(const std::vector<QByteArray>& folders);
    void markOffline(const QByteArray& top, bool offline);

    ISoundIndex& m_index;
    std::optional<IndexWriter> m_writer;        // while a scan runs
    std::optional<FolderReadAhead> m_readAhead; // once a scan finds new folders, until it ends
    int m_depth;
    std::vector<QByteArray> m_collection;
    std::function<void(const ScanReport&)> m_progress;
    std::atomic<bool> m_cancelled = false;
    std::map<QByteArray, Known> m_known;
    std::set<std::pair<quint64, quint64>> m_visited;
    std::set<QByteArray> m_seen;
    std::vector<QByteArray> m_offlineTops;
    bool m_firstFill = false; // the index was empty when the scan began
    ScanReport m_report;
};

// A folder as the index keeps it: its bytes, without a trailing separator.
QByteArray indexPath(const QString& folder);
