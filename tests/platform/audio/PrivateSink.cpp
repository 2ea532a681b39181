#include "PrivateSink.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

// Runs pactl; returns its output, or a null string when it failed.
QString pactl(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

PrivateSink::PrivateSink() {
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return;
    const QString name = QStringLiteral("tembrel_test_%1").arg(QCoreApplication::applicationPid());
    m_module = pactl({"load-module", "module-null-sink", "sink_name=" + name, "rate=44100",
                      "channels=2", "norewinds=1"});
    if (m_module.isEmpty())
        return;
    qputenv("PULSE_SINK", name.toLocal8Bit());
    qputenv("PULSE_SOURCE", (name + ".monitor").toLocal8Bit());
}

PrivateSink::~PrivateSink() {
    if (active())
        pactl({"unload-module", m_module});
}
