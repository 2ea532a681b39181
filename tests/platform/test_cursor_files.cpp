#include "platform/CursorFiles.h"
#include "resources/cursors/CursorThemes.h"
#include "resources/cursors/CursorWriter.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WavBytes.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage squareImage(const QColor& colour) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(4, 4, 20, 20, colour);
    return image;
}

// Qt goes through premultiplied pixmaps, so half-transparent pixels may round a little.
bool samePicture(const QImage& expected, const QCursor& cursor) {
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage b = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qAlpha(p) - qAlpha(q)) > 1)
                return false;
            if (qAlpha(p) > 64 && (qAbs(qRed(p) - qRed(q)) > 4 || qAbs(qGreen(p) - qGreen(q)) > 4 ||
                                   qAbs(qBlue(p) - qBlue(q)) > 4))
                return false;
        }
    return true;
}

void patchLe32(QByteArray& bytes, qsizetype at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

void patchLe16(QByteArray& bytes, qsizetype at, quint16 value) {
    bytes[at] = char(value & 0xff);
    bytes[at + 1] = char(value >> 8);
}

QByteArray twoFrameAni() {
    cursorfile::AniOptions options;
    options.jiffies = 6;
    options.rateChunk = true;
    options.title = QStringLiteral("Test");
    return cursorfile::aniBytes({squareImage(Qt::red), squareImage(Qt::blue)}, QPoint(16, 16),
                                options);
}

// An ".ani" assembled chunk by chunk, for the header fields the writer never varies.
QByteArray aniFromParts(const QByteArray& header, const QList<QByteArray>& extraChunks,
                        const QList<QByteArray>& icons) {
    QByteArray frames("fram");
    for (const QByteArray& icon : icons)
        frames += makeChunk("icon", icon);
    QByteArray body = "ACON" + makeChunk("anih", header);
    for (const QByteArray& chunk : extraChunks)
        body += chunk;
    body += makeChunk("LIST", frames);
    QByteArray file("RIFF");
    appendLe32(file, quint32(body.size()));
    return file + body;
}

QByteArray aniHeader(quint32 frames, quint32 steps, quint32 jiffies, quint32 flags) {
    QByteArray header;
    for (quint32 field : {36u, frames, steps, 0u, 0u, 0u, 0u, jiffies, flags})
        appendLe32(header, field);
    return header;
}

QByteArray dwords(std::initializer_list<quint32> values) {
    QByteArray bytes;
    for (quint32 value : values)
        appendLe32(bytes, value);
    return bytes;
}

TEST(CursorFilesTest, EveryThemeFileLoadsWithItsFramesHotspotAndRate) {
    QTemporaryDir dir;
    for (const ThemeCursorFile& file : themeCursorFiles()) {
        SCOPED_TRACE(file.fileName.toStdString());
        const QString path = dir.filePath(file.fileName);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(cursorFileBytes(file));
        out.close();

        const std::optional<CursorAnimation> cursor = loadCursorFile(path);
        ASSERT_TRUE(cursor.has_value());
        ASSERT_EQ(cursor->frames.size(), file.frameCount);
        EXPECT_EQ(cursor->intervalMs, file.frameCount > 1 ? file.jiffies * 1000 / 60 : 0);
        for (int i = 0; i < file.frameCount; ++i) {
            EXPECT_EQ(cursor->frames[i].hotSpot(), file.hotspot);
            EXPECT_TRUE(samePicture(renderCursorFrame(file, i), cursor->frames[i])) << i;
        }
    }
}

TEST(CursorFilesTest, SequenceOrdersTheFramesAndRatesAverageToOneInterval) {
    const QByteArray first = cursorfile::curBytes(squareImage(Qt::red), QPoint(3, 4));
    const QByteArray second = cursorfile::curBytes(squareImage(Qt::green), QPoint(20, 21));
    const QByteArray ani = aniFromParts(
        aniHeader(2, 4, 30, 0x3),
        {makeChunk("seq ", dwords({1, 0, 0, 1})), makeChunk("rate", dwords({6, 12, 6, 12}))},
        {first, second});

    const std::optional<CursorAnimation> cursor = parseCursorBytes(ani);
    ASSERT_TRUE(cursor.has_value());
    ASSERT_EQ(cursor->frames.size(), 4);
    const QList<QPoint> expected{{20, 21}, {3, 4}, {3, 4}, {20, 21}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(cursor->frames[i].hotSpot(), expected[i]) << i;
    EXPECT_EQ(cursor->intervalMs, 9 * 1000 / 60);
}

TEST(CursorFilesTest, IconFileAndSingleFrameAniAreStaticCursors) {
    QByteArray icon = cursorfile::curBytes(squareImage(Qt::red), QPoint(9, 9));
    patchLe16(icon, 2, 1); // an icon directory: its hotspot fields mean something else
    const std::optional<CursorAnimation> fromIcon = parseCursorBytes(icon);
    ASSERT_TRUE(fromIcon.has_value());
    EXPECT_EQ(fromIcon->frames.value(0).hotSpot(), QPoint(0, 0));

    const std::optional<CursorAnimation> single = parseCursorBytes(
        cursorfile::aniBytes({squareImage(Qt::red)}, QPoint(5, 6), cursorfile::AniOptions{}));
    ASSERT_TRUE(single.has_value());
    EXPECT_EQ(single->frames.size(), 1);
    EXPECT_EQ(single->intervalMs, 0);
}

TEST(CursorFilesTest, PngPictureInsideACursorIsRead) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    squareImage(Qt::blue).save(&buffer, "PNG");
    QByteArray cur;
    for (quint16 field : {0, 2, 1})
        appendLe16(cur, field);
    cur.append(char(32)).append(char(32)).append(2, '\0');
    appendLe16(cur, 7); // hotspot
    appendLe16(cur, 8);
    appendLe32(cur, quint32(png.size()));
    appendLe32(cur, 22);

    const std::optional<CursorAnimation> cursor = parseCursorBytes(cur + png);
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->frames.value(0).hotSpot(), QPoint(7, 8));
    EXPECT_TRUE(samePicture(squareImage(Qt::blue), cursor->frames.value(0)));
}

TEST(CursorFilesTest, TruncatedFilesGiveNothing) {
    const QByteArray cur = cursorfile::curBytes(squareImage(Qt::red), QPoint(1, 1));
    for (qsizetype length = 0; length < cur.size(); ++length) {
        ASSERT_FALSE(parseCursorBytes(cur.left(length))) << "cur cut at " << length;
        QByteArray consistent = cur.left(length); // directory sizes agree with the cut
        if (length >= 22) {
            patchLe32(consistent, 14, quint32(length - 22));
            ASSERT_FALSE(parseCursorBytes(consistent)) << "cur image cut at " << length;
        }
    }
    const QByteArray ani = twoFrameAni();
    ASSERT_TRUE(parseCursorBytes(ani));
    for (qsizetype length = 0; length < ani.size(); ++length) {
        ASSERT_FALSE(parseCursorBytes(ani.left(length))) << "ani cut at " << length;
        QByteArray consistent = ani.left(length); // the RIFF size agrees with the cut
        if (length >= 12) {
            patchLe32(consistent, 4, quint32(length - 8));
            ASSERT_FALSE(parseCursorBytes(consistent)) << "ani chunks cut at " << length;
        }
    }
}

TEST(CursorFilesTest, AbsurdCurFieldsGiveNothing) {
    const QByteArray good = cursorfile::curBytes(squareImage(Qt::red), QPoint(1, 1));
    ASSERT_TRUE(parseCursorBytes(good));
    const auto with = [&](auto patch) {
        QByteArray bytes = good;
        patch(bytes);
        return parseCursorBytes(bytes);
    };
    EXPECT_FALSE(with([](QByteArray& b) { patchLe16(b, 0, 1); }));               // reserved
    EXPECT_FALSE(with([](QByteArray& b) { patchLe16(b, 2, 3); }));               // type
    EXPECT_FALSE(with([](QByteArray& b) { patchLe16(b, 4, 0); }));               // no images
    EXPECT_FALSE(with([](QByteArray& b) { patchLe16(b, 4, 0xffff); }));          // directory size
    EXPECT_FALSE(with([](QByteArray& b) { patchLe32(b, 14, 0xffffffff); }));     // image size
    EXPECT_FALSE(with([](QByteArray& b) { patchLe32(b, 18, 0xfffffff0); }));     // image offset
    EXPECT_FALSE(with([](QByteArray& b) { patchLe32(b, 18, 6); }));              // inside directory
    EXPECT_FALSE(with([](QByteArray& b) { patchLe32(b, 22 + 4, 0x7fffffff); })); // DIB width
    EXPECT_FALSE(with([](QByteArray& b) { patchLe32(b, 22 + 8, 0xffffffff); })); // DIB height
    EXPECT_FALSE(with([](QByteArray& b) { patchLe16(b, 10, 40); }));             // hotspot outside
    EXPECT_FALSE(with([](QByteArray& b) { b.fill('\0', 22 + 40); }));            // all zero
}

TEST(CursorFilesTest, AbsurdAniFieldsGiveNothing) {
    const QByteArray icon = cursorfile::curBytes(squareImage(Qt::red), QPoint(1, 1));
    const QList<QByteArray> icons{icon, icon};
    ASSERT_TRUE(parseCursorBytes(aniFromParts(aniHeader(2, 2, 6, 1), {}, icons)));
    const auto parsed = [&](const QByteArray& header, const QList<QByteArray>& extra = {}) {
        return parseCursorBytes(aniFromParts(header, extra, icons));
    };
    EXPECT_FALSE(parsed(aniHeader(0xffffffff, 2, 6, 1)));
    EXPECT_FALSE(parsed(aniHeader(0, 0, 6, 1)));
    EXPECT_FALSE(parsed(aniHeader(3, 3, 6, 1))); // more frames than icons
    EXPECT_FALSE(parsed(aniHeader(2, 2, 6, 0))); // raw bitmap frames
    EXPECT_FALSE(parsed(aniHeader(2, 2, 6, 3))); // sequence flag, no sequence
    EXPECT_FALSE(parsed(aniHeader(2, 0xffffffff, 6, 3), {makeChunk("seq ", dwords({0, 1}))}));
    EXPECT_FALSE(parsed(aniHeader(2, 2, 6, 3), {makeChunk("seq ", dwords({0, 2}))}));
    EXPECT_FALSE(parsed(aniHeader(2, 2, 6, 1), {makeChunk("rate", dwords({6}))}));
    EXPECT_FALSE(parsed(aniHeader(2, 2, 6, 1).left(32))); // header too short

    QByteArray bytes = aniFromParts(aniHeader(2, 2, 6, 1), {}, icons);
    patchLe32(bytes, 4, 0xffffffff); // RIFF size
    EXPECT_FALSE(parseCursorBytes(bytes));
    bytes = aniFromParts(aniHeader(2, 2, 6, 1), {}, icons);
    patchLe32(bytes, 16, 0xfffffff0); // "anih" chunk size
    EXPECT_FALSE(parseCursorBytes(bytes));
    bytes = aniFromParts(aniHeader(2, 2, 6, 1), {}, {icon, icon.left(100)});
    EXPECT_FALSE(parseCursorBytes(bytes)); // a damaged frame spoils the animation
}

TEST(CursorFilesTest, MissingEmptyOrForeignFilesGiveNothing) {
    QTemporaryDir dir;
    EXPECT_FALSE(loadCursorFile(dir.filePath(QStringLiteral("absent.ani"))));
    EXPECT_FALSE(loadCursorFile(dir.path()));
    const QString empty = dir.filePath(QStringLiteral("empty.cur"));
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_FALSE(loadCursorFile(empty));
    EXPECT_FALSE(parseCursorBytes(QByteArray("RIFF\x04\0\0\0WAVE", 12)));
    EXPECT_FALSE(parseCursorBytes(QByteArray(5000, '\x7f')));
}

} // namespace
