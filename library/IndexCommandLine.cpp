#include "library/IndexCommandLine.h"

#include "library/IndexPlaces.h"
#include "library/IndexScanner.h"
#include "library/SqliteSoundIndex.h"
#include "platform/NativeName.h"
#include "platform/WriterLock.h"

#include <QFileInfo>
#include <QIODevice>
#include <QTextStream>
#include <limits>

namespace {

QString progressText(const ScanReport& report) {
    return QStringLiteral("%1 folders, %2 sounds read")
        .arg(report.foldersRead + report.foldersUnchanged)
        .arg(report.soundsRead);
}

} // namespace

int indexFromCommandLine(const IndexRun& run, QTextStream& errors) {
    const WriterLock lock(indexplaces::lockFile(run.indexFile));
    if (!lock.held()) {
        if (run.askWriter &&
            run.askWriter(run.wholeCollection ? std::vector<QByteArray>() : run.tops)) {
            errors << "The running Tembrel window keeps the sound index "
                   << nativename::shown(run.indexFile)
                   << "; it was asked to bring it up to date and does so in the background."
                   << Qt::endl;
            return 0;
        }
        errors << "Another Tembrel is writing the sound index " << nativename::shown(run.indexFile)
               << "; try again when it is done." << Qt::endl;
        return 1;
    }
    QString report;
    const std::unique_ptr<SqliteSoundIndex> index = SqliteSoundIndex::open(run.indexFile, &report);
    if (!report.isEmpty())
        errors << report << Qt::endl;
    if (!index)
        return 1;
    IndexScanner scanner(*index, run.depth);
    scanner.setCollection(run.collection);
    if (run.progressLine)
        scanner.onProgress([&](const ScanReport& progress) {
            errors << '\r' << progressText(progress) << Qt::flush;
        });
    const ScanReport done =
        scanner.scan(run.tops, run.wholeCollection ? IndexScanner::Covers::Everything
                                                   : IndexScanner::Covers::TopsOnly);
    if (run.progressLine)
        errors << '\r' << progressText(done) << Qt::endl;
    for (const QString& folder : done.offline)
        errors << folder << ": not there; its sounds are kept as offline" << Qt::endl;
    for (const QString& problem : done.problems)
        errors << problem << Qt::endl;
    return done.problems.isEmpty() ? 0 : 1;
}

int searchFromCommandLine(const QString& indexFile, const QString& words, QIODevice& out,
                          QTextStream& errors) {
    const auto query = parseSoundQuery(words);
    if (!query) {
        errors << query.error() << Qt::endl;
        return 2;
    }
    if (!QFileInfo::exists(indexFile)) {
        errors << "There is no sound index yet: build it with --index." << Qt::endl;
        return 1;
    }
    QString report;
    const std::unique_ptr<SqliteSoundIndex> index = SqliteSoundIndex::open(indexFile, &report);
    if (!report.isEmpty())
        errors << report << Qt::endl;
    if (!index)
        return 1;
    const std::vector<IndexedSound> found = index->find(*query, std::numeric_limits<int>::max());
    for (const IndexedSound& sound : found)
        out.write(sound.path() + '\n');
    return found.empty() ? 1 : 0;
}
