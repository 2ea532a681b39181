#include "platform/RiffChunks.h"

#include <QtEndian>
#include <algorithm>
#include <limits>

RiffChunks::RiffChunks(Reader read, Bounds bounds) : m_read(std::move(read)) {
    const QByteArray header = bytes(0, 12);
    if (header.size() != 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE") {
        m_end = End::NotRiffWave;
        return;
    }
    m_riffEnd = bounds == Bounds::DeclaredSize
                    ? 8 + qint64(qFromLittleEndian<quint32>(header.constData() + 4))
                    : std::numeric_limits<qint64>::max();
}

std::optional<RiffChunk> RiffChunks::next() {
    if (m_end != End::NotEnded)
        return std::nullopt;
    const QByteArray header = m_pos + 8 <= m_riffEnd ? bytes(m_pos, 8) : QByteArray();
    if (header.size() != 8) {
        m_end = End::LastChunk;
        return std::nullopt;
    }
    if (++m_chunks > kMaxChunks) {
        m_end = End::TooManyChunks;
        return std::nullopt;
    }
    RiffChunk chunk{header.left(4), qFromLittleEndian<quint32>(header.constData() + 4), m_pos + 8};
    m_pos = chunk.bodyPos + qint64(chunk.size) + (chunk.size & 1);
    return chunk;
}

bool RiffChunks::blockHolds(qint64 pos, qint64 size) const {
    return pos >= m_blockPos && pos + size <= m_blockPos + m_block.size();
}

QByteArray RiffChunks::bytes(qint64 pos, qint64 size) {
    if (pos < 0 || size <= 0)
        return {};
    if (!blockHolds(pos, size)) {
        m_blockPos = pos;
        m_block = m_read(pos, std::max(size, m_blockBytes));
        m_blockBytes = std::min(2 * m_blockBytes, kLargestBlockBytes);
    }
    return blockHolds(pos, size) ? m_block.mid(pos - m_blockPos, size) : QByteArray();
}

QString tooManyChunksText(const QString& path) {
    return QStringLiteral("The sound file \"%1\" is damaged: it holds more than %2 chunks before "
                          "its sound.")
        .arg(path)
        .arg(RiffChunks::kMaxChunks);
}
