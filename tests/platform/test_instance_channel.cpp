#include "platform/InstanceChannel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>

namespace {

TEST(InstanceChannel, ARescanRequestArrivesWithItsFoldersAsBytes) {
    QTemporaryDir dir;
    const QString channel = dir.filePath(QStringLiteral("tembrel.socket"));
    InstanceServer server;
    ASSERT_TRUE(server.listen(channel));
    std::optional<QList<QByteArray>> asked;
    QObject::connect(&server, &InstanceServer::rescanRequested,
                     [&](const QList<QByteArray>& folders) { asked = folders; });
    QString shown = QStringLiteral("none");
    QObject::connect(&server, &InstanceServer::requested,
                     [&](const QString& file) { shown = file; });
    const QList<QByteArray> folders{"/sounds/caf\xe9", "/more"};
    std::future<bool> taken = std::async(
        std::launch::async, [&] { return askRunningInstanceToRescan(channel, folders); });
    QElapsedTimer waited;
    waited.start();
    while (!asked && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(taken.get());
    EXPECT_EQ(asked, folders);
    EXPECT_EQ(shown, QStringLiteral("none")) << "no sound to show";
}

} // namespace
