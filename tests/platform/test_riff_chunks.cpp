#include "platform/RiffChunks.h"
#include "tests/support/WavBytes.h"

#include <gtest/gtest.h>

namespace {

// A RIFF WAVE file of count empty chunks, then "fmt " and "data".
QByteArray emptyChunksThenFmt(int count) {
    WavSpec spec;
    for (int i = 0; i < count; ++i)
        spec.chunksBeforeFmt += makeChunk("JUNK", {});
    return makeWav(spec);
}

struct CountingReader {
    const QByteArray& bytes;
    int reads = 0;
    qint64 bytesRead = 0;
    RiffChunks::Reader reader() {
        return [this](qint64 pos, qint64 size) {
            ++reads;
            const QByteArray got = bytes.mid(pos, size);
            bytesRead += got.size();
            return got;
        };
    }
};

std::vector<QByteArray> idsOf(RiffChunks& chunks) {
    std::vector<QByteArray> ids;
    while (const auto chunk = chunks.next())
        ids.push_back(chunk->id);
    return ids;
}

} // namespace

TEST(RiffChunks, HeadersComeInGrowingBlocksAndTheWalkGivesUpAfterTheLimit) {
    const QByteArray within = emptyChunksThenFmt(RiffChunks::kMaxChunks - 2);
    CountingReader counted{within};
    RiffChunks chunks(counted.reader(), RiffChunks::Bounds::DeclaredSize);
    const auto ids = idsOf(chunks);
    ASSERT_EQ(ids.size(), std::size_t(RiffChunks::kMaxChunks));
    EXPECT_EQ(ids[ids.size() - 2], "fmt ");
    EXPECT_EQ(chunks.end(), RiffChunks::End::LastChunk);
    EXPECT_LT(counted.reads, 12) << "one read per header would be thousands";

    // Millions of chunks: the walk stops at the limit having read little of the file.
    const QByteArray millions = emptyChunksThenFmt(2'000'000);
    CountingReader many{millions};
    RiffChunks walk(many.reader(), RiffChunks::Bounds::WholeFile);
    EXPECT_EQ(idsOf(walk).size(), std::size_t(RiffChunks::kMaxChunks));
    EXPECT_EQ(walk.end(), RiffChunks::End::TooManyChunks);
    EXPECT_LT(many.bytesRead, 256 * 1024);
}

TEST(RiffChunks, BoundsAndBytesAcrossBlocks) {
    WavSpec spec;
    spec.chunksBeforeFmt = makeChunk("LIST", QByteArray(9000, 'x')) + makeChunk("odd ", "abc");
    QByteArray file = makeWav(spec);
    file.replace(4, 4, QByteArray("\x04\0\0\0", 4)); // declares nothing after "WAVE"
    CountingReader counted{file};
    RiffChunks declared(counted.reader(), RiffChunks::Bounds::DeclaredSize);
    EXPECT_TRUE(idsOf(declared).empty());

    RiffChunks whole(counted.reader(), RiffChunks::Bounds::WholeFile);
    const auto list = whole.next();
    ASSERT_TRUE(list);
    EXPECT_EQ(whole.bytes(list->bodyPos + 8990, 10), QByteArray(10, 'x')) << "beyond the block";
    EXPECT_EQ(whole.next()->id, "odd ");
    const auto fmt = whole.next();
    ASSERT_TRUE(fmt) << "the pad byte of an odd size is skipped";
    EXPECT_EQ(fmt->id, "fmt ");
    EXPECT_EQ(whole.next()->id, "data");
    EXPECT_TRUE(whole.bytes(file.size() - 4, 8).isEmpty()) << "exactly the bytes asked or none";

    const QByteArray words("not a RIFF file at all");
    CountingReader text{words};
    EXPECT_EQ(RiffChunks(text.reader(), RiffChunks::Bounds::WholeFile).end(),
              RiffChunks::End::NotRiffWave);
}
