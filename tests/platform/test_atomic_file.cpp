#include "platform/AtomicFile.h"
#include "tests/support/Forked.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

} // namespace
