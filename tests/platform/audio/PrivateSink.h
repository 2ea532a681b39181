#pragma once

#include <QString>

// A null sink of its own on the test sound server for this process, made the default sink and
// its monitor the default source of the process (PULSE_SINK, PULSE_SOURCE), so tests of other
// programs that play on the server at the same time are not heard here. Removed again when the
// object goes. Without a server or pactl nothing changes and the shared default sink is used.
class PrivateSink {
public:
    PrivateSink();
    ~PrivateSink();
    PrivateSink(const PrivateSink&) = delete;
    PrivateSink& operator=(const PrivateSink&) = delete;

    bool active() const { return !m_module.isEmpty(); }

private:
    QString m_module; // index of the loaded module
};
