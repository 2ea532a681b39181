#pragma once

#include "platform/TempBeside.h"

#include <QByteArray>
#include <QString>
#include <string_view>

// Replaces path all at once, like writeFileAtomically, with the bytes given piece by piece as
// they are made: a long file is never held whole in memory, and the disk starts on its first
// megabytes while the rest is still being made. Nothing replaces path before commit; a writer
// destroyed without a successful commit leaves the old file as it was and no temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path);

    // False from the first failure on (no temporary file, full disk, short write); later
    // pieces are then dropped.
    bool append(std::string_view bytes);
    // Flushes the pieces to disk and renames the file over path.
    bool commit();

private:
    bool sendBuffered();

    QByteArray m_target;
    TempBeside m_temp;
    std::string m_buffer;
    qint64 m_written = 0;
    qint64 m_flushedUpTo = 0; // the disk has been asked to write everything before this
    bool m_failed = false;
};
