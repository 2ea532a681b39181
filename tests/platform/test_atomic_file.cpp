#include "platform/AtomicFile.h"
#include "platform/AtomicFileWriter.h"
#include "tests/support/Forked.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QStringList entries() const {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QTemporaryDir m_dir;
};

TEST_F(AtomicFileTest, ACopyFromAFifoIsRefusedAtOnceAndLeavesNothing) {
    const QString fifo = path("sound.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString target = path("copy.wav");
    const auto exit = exitOfForked([&] { return copyFileAtomically(fifo, target, true) ? 1 : 0; });
    EXPECT_EQ(exit, 0) << "the copy blocked or reported success";
    EXPECT_EQ(entries(), QStringList{QStringLiteral("sound.wav")});
}

// A writer killed in the middle leaves its temporary file behind: hidden, and removed by the
// next write of the same target.
TEST_F(AtomicFileTest, AKilledWritersTemporaryFileIsHiddenAndTheNextWriteRemovesIt) {
    const QString target = path("index.html");
    const pid_t writer = ::fork();
    if (writer == 0)
        ::_exit(writeFileAtomically(target, QByteArray(256 << 20, 'x')) ? 0 : 1);
    while (entries().isEmpty())
        std::this_thread::yield();
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    const QStringList left = entries();
    ASSERT_EQ(left.size(), 1) << "the write finished before it was killed";
    EXPECT_TRUE(left.first().startsWith(u'.')) << left.first().toStdString();

    const QString other = path("other.txt");
    ASSERT_TRUE(writeFileAtomically(other, "other"));
    EXPECT_EQ(entries(), left + QStringList{QStringLiteral("other.txt")}) << "not its target";
    ASSERT_TRUE(writeFileAtomically(target, "whole"));
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("index.html"), QStringLiteral("other.txt")}));
}

} // namespace

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

// Pieces given one by one, many buffers' worth, make the same file as the whole bytes would;
// until commit the old file stays, and a writer given up leaves it and nothing else.
TEST_F(AtomicFileTest, AFileWrittenInPiecesReplacesTheOldOneOnlyOnCommit) {
    const QString target = path("index.html");
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    QByteArray whole;
    {
        AtomicFileWriter writer(target);
        for (int i = 0; i < 40000; ++i) {
            const QByteArray piece = QByteArray::number(i) + QByteArray(i % 97, 'x') + "\r\n";
            whole += piece;
            ASSERT_TRUE(writer.append(piece.toStdString()));
        }
        EXPECT_EQ(fileBytes(target), "old");
    }
    EXPECT_EQ(fileBytes(target), "old");
    EXPECT_EQ(entries(), QStringList{QStringLiteral("index.html")});

    AtomicFileWriter writer(target);
    ASSERT_TRUE(writer.append(whole.toStdString()));
    ASSERT_TRUE(writer.commit());
    EXPECT_EQ(fileBytes(target), whole);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("index.html")});
}

// A rewritten file keeps the permissions of the user's own regular file only: never those of
// what a planted link points at or of another user's file, never a set-user or set-group bit.
TEST_F(AtomicFileTest, ARewriteTakesItsModeOnlyFromTheUsersOwnRegularFile) {
    const auto modeOf = [](const QString& file) {
        struct stat info {};
        ::lstat(QFile::encodeName(file).constData(), &info);
        return info.st_mode & 07777;
    };
    const auto chmodTo = [](const QString& file, mode_t mode) {
        ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), mode), 0);
    };
    const mode_t mask = ::umask(022);
    const QString other = path("other.txt"), list = path("list.txt"), own = path("own.txt");
    ASSERT_TRUE(writeFileAtomically(other, "someone else's"));
    chmodTo(other, 04777);
    ASSERT_TRUE(QFile::link(other, list));
    ASSERT_TRUE(writeFileAtomically(list, "new list"));
    EXPECT_EQ(modeOf(list), 0644u);
    EXPECT_EQ(fileBytes(other), "someone else's");

    ASSERT_TRUE(writeFileAtomically(own, "mine"));
    chmodTo(own, 06750);
    ASSERT_TRUE(writeFileAtomically(own, "mine again"));
    EXPECT_EQ(modeOf(own), 0750u);
    ASSERT_TRUE(copyFileAtomically(other, path("copy.txt"), false));
    EXPECT_EQ(modeOf(path("copy.txt")), 0777u);

    if (::geteuid() == 0) { // only root can give a file away
        chmodTo(own, 0666);
        ASSERT_EQ(::chown(QFile::encodeName(own).constData(), 12345, 12345), 0);
        ASSERT_TRUE(writeFileAtomically(own, "taken back"));
        EXPECT_EQ(modeOf(own), 0644u);
    }
    ::umask(mask);
}

TEST_F(AtomicFileTest, AFileInPiecesInAMissingFolderFailsAtCommit) {
    AtomicFileWriter writer(path("gone/index.html"));
    EXPECT_FALSE(writer.append("text"));
    EXPECT_FALSE(writer.commit());
    EXPECT_TRUE(entries().isEmpty());
}
