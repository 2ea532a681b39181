// Two programs changing the same data file, favourites or registry at once: every change of
// both lands.
#include "core/Settings.h"
#include "directories/FavoritesList.h"
#include "platform/FileLock.h"
#include "platform/RegistryFileStore.h"
#include "tests/support/Forked.h"
#include "tests/support/TempProgramDir.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kUpdatesEach = 200;

// Runs update(process, n) for n below kUpdatesEach in two processes at the same time; true when
// both finished.
bool updateFromTwoProcesses(const std::function<bool(int process, int n)>& update) {
    pid_t children[2];
    for (int process = 0; process < 2; ++process) {
        children[process] = ::fork();
        if (children[process] == 0) {
            for (int n = 0; n < kUpdatesEach; ++n)
                if (!update(process, n))
                    ::_exit(1);
            ::_exit(0);
        }
    }
    bool finished = true;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        finished = finished && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return finished;
}

QString name(int process, int n) {
    return QStringLiteral("p%1 n%2").arg(process).arg(n);
}

TEST(SharedUpdates, DataFileKeysAndFavouritesOfTwoProgramsAllLand) {
    TempProgramDir program, favouritesProgram;
    DataFileSettings settings(program.path()), favouritesSettings(favouritesProgram.path());
    ASSERT_TRUE(updateFromTwoProcesses([&](int process, int n) {
        return settings.writeString(QStringLiteral("Shared"), name(process, n),
                                    QStringLiteral("x"));
    }));
    for (int process = 0; process < 2; ++process)
        for (int n = 0; n < kUpdatesEach; ++n)
            ASSERT_EQ(settings.readString(QStringLiteral("Shared"), name(process, n)), "x")
                << name(process, n).toStdString();

    ASSERT_TRUE(updateFromTwoProcesses([&](int process, int n) {
        return favorites::append(favouritesSettings, "/sounds/" + name(process, n)) ==
               favorites::AppendOutcome::Added;
    }));
    EXPECT_EQ(favorites::read(favouritesSettings).folders.size(), 2 * kUpdatesEach);
}

TEST(SharedUpdates, RegistryValuesOfTwoProgramsAllLand) {
    QTemporaryDir dir;
    const RegistryFiles files{dir.filePath("config/registry.reg"), dir.filePath("run/registry.reg"),
                              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tembrel]\n"};
    const QString key = QStringLiteral("Software\\Tembrel");
    ASSERT_TRUE(updateFromTwoProcesses([&](int process, int n) {
        RegistryFileStore store(files);
        return store.setString(RegRoot::CurrentUser, key, name(process, n), "x") ==
               regstatus::kSuccess;
    }));
    RegistryFileStore store(files);
    for (int process = 0; process < 2; ++process)
        for (int n = 0; n < kUpdatesEach; ++n)
            ASSERT_TRUE(store.queryString(RegRoot::CurrentUser, key, name(process, n)))
                << name(process, n).toStdString();
}

TEST(SharedUpdates, ALockIsTakenAgainWithinItsHolderAndOthersWaitForIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tembrel.dat");
    FileLock outer(file);
    ASSERT_TRUE(outer.isHeld());
    {
        const FileLock inner(file);
        EXPECT_TRUE(inner.isHeld()) << "a nested lock of the same file does not wait for itself";
    }
    // Another process waits while the lock is held, and takes it once it is let go.
    EXPECT_EQ(exitOfForked([&] { return FileLock(file).isHeld() ? 0 : 1; },
                           std::chrono::milliseconds(500)),
              std::nullopt);
    outer = FileLock();
    EXPECT_EQ(exitOfForked([&] { return FileLock(file).isHeld() ? 0 : 1; }), 0);
}

} // namespace
